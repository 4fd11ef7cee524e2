#pragma once
// TFMenu, the program's main window: a picture menu with three tiles that light under
// the pointer, two sub-menu strips with text links, hot regions drawn into the
// background (help, credits, exit, the agency's service portal) and the date of the
// last update. Each entry opens its working window modally and frees it afterwards.

#include <QDialog>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class TImagem;
class TRotulo;

// Host of the agency's service portal, which serves the notice page.
inline constexpr const char* kHostPortalServicos = "www.veltran.gov.br";
// Date of the program's last update, shown on the menu.
inline constexpr const char* kDataAtualizacao = "07/11/2018";

class TFMenu : public QWidget {
    Q_OBJECT
public:
    // The working windows that the menu opens.
    enum class Janela { ConsultaLE, AssisEnvioLE, ImportEstruturaPropria, ManterEmpresa, ManterUnidade };
    // Creates the window of an entry, owned by the menu (`dono`).
    using FabricaJanela = std::function<std::unique_ptr<QDialog>(QWidget* dono)>;

    // Installs the window that an entry opens, for every menu. An entry without one
    // tells the user that its module is not available in this version.
    static void RegistrarJanela(Janela janela, FabricaJanela fabrica);
    // The same for a window class whose constructor takes the owner.
    template <class TJanela> static void RegistrarJanela(Janela janela) {
        RegistrarJanela(janela, [](QWidget* dono) { return std::make_unique<TJanela>(dono); });
    }

    // Tells the user that the module asked for is not available in this version.
    static void AvisarModuloIndisponivel();

    explicit TFMenu(QWidget* pai = nullptr);

    // The notice page of the service portal.
    static QUrl EnderecoAvisos();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void Desligado0MouseMove(TImagem* Sender);
    void imageMenuMouseMove(QPoint posicao);
    void imageMenuClick();
    void Ligado0Click();
    void Ligado1Click(TImagem* Sender);
    void AcAssistEnvLEExecute();
    void AcImporArquivosExecute();
    void AcCadEmpresaExecute();
    void AcCadUnidadeExecute();
    void AbrirJanela(Janela janela);

    TImagem* imageMenu;
    TImagem* Desligado[3];
    TImagem* Ligado[3];
    QWidget* Menu[3];
    TImagem* Imagem1;
    TImagem* Imagem2;
    TRotulo* Label1;
    TRotulo* Label2;
    TRotulo* Label3;
    TRotulo* Label4;
    QLabel* lb_ultatualizacao;
    QLabel* lb_dtatualizacao;

    static constexpr int kNenhumLigado = 100;
    int FLigado = kNenhumLigado; // index of the lit tile, 100 when none
    bool FLigouDesde = false;    // a tile was lit since the pointer last crossed the background
    int FX = 0;                  // last pointer position over the background
    int FY = 0;
};
