// korvex-admin demo: a listing database filled with demonstration data, so that a
// newcomer can try every window and both runs: reference tables of the zone, units,
// two companies and their products with inputs of the four kinds.

#include "Comandos.h"

#include "comum/Cp1252.h"
#include "comum/Numeros.h"
#include "comum/Plataforma.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Par {
    const char* codigo;
    const char* descricao;
};

const Par kUnidades[] = {
    {"1", "UNIDADE"},  {"2", "QUILOGRAMA"}, {"3", "METRO"},          {"4", "LITRO"},
    {"5", "PEÇA"},     {"6", "PAR"},        {"7", "METRO QUADRADO"}, {"8", "METRO CÚBICO"},
    {"9", "MILHEIRO"}, {"10", "CONJUNTO"},  {"11", "GRAMA"},         {"12", "DÚZIA"},
};

// Products of the zone: code (the first four characters are the agency's product code)
// and name.
const Par kProdutos[] = {
    {"040101", "Televisor em cores com tela de cristal líquido"},
    {"040201", "Aparelho de ar condicionado tipo split"},
    {"040301", "Motocicleta de 150 cilindradas"},
    {"040401", "Bicicleta com quadro de alumínio"},
    {"040501", "Relógio de pulso analógico"},
    {"040601", "Telefone celular"},
    {"040701", "Forno de micro-ondas"},
    {"040801", "Monitor de vídeo de cristal líquido"},
    {"040901", "Receptor de sinais de satélite"},
    {"041001", "Câmera fotográfica digital"},
    {"041101", "Aparelho de som portátil"},
    {"041201", "Computador portátil"},
    {"041301", "Computador tipo tablet"},
    {"041401", "Impressora a jato de tinta"},
    {"041501", "Unidade de disco rígido externa"},
    {"041601", "Fone de ouvido sem fio"},
    {"041701", "Caixa acústica amplificada"},
    {"041801", "Ventilador de mesa"},
    {"041901", "Aparelho de barbear"},
    {"042001", "Caneta esferográfica"},
    {"042101", "Isqueiro de bolso"},
    {"042201", "Óculos de sol"},
    {"042301", "Bateria de íons de lítio"},
    {"042401", "Carregador de bateria para celular"},
    {"042501", "Cartão de memória"},
    {"042601", "Lâmpada de LED"},
    {"042701", "Controle remoto"},
    {"042801", "Teclado para computador"},
    {"042901", "Mouse óptico"},
    {"043001", "Roteador de rede sem fio"},
    {"043101", "Relógio de parede"},
    {"043201", "Conversor de sinal de televisão digital"},
};

const Par kTipos[] = {{"001", "Modelo padrão"}, {"002", "Modelo luxo"}, {"003", "Kit CKD (completamente desmontado)"}};

// NCM headings (six digits), their description and unit; each gives several eight-digit
// codes through the subdivisions below.
struct Posicao {
    const char* codigo;
    const char* descricao;
    const char* unidade;
};

const Posicao kPosicoes[] = {
    {"392690", "Outras obras de plástico", "2"},
    {"731815", "Parafusos e pinos de ferro ou aço", "2"},
    {"731816", "Porcas de ferro ou aço", "2"},
    {"731822", "Arruelas de ferro ou aço", "2"},
    {"760611", "Chapas e tiras de alumínio não ligado", "2"},
    {"740919", "Chapas e tiras de cobre refinado", "2"},
    {"854442", "Condutores elétricos com peças de conexão", "3"},
    {"854449", "Outros condutores elétricos", "3"},
    {"853400", "Circuitos impressos", "1"},
    {"854231", "Processadores e controladores eletrônicos", "1"},
    {"854232", "Memórias eletrônicas", "1"},
    {"854239", "Outros circuitos integrados", "1"},
    {"853221", "Capacitores de tântalo", "9"},
    {"853224", "Capacitores de dielétrico de cerâmica", "9"},
    {"853321", "Resistores fixos de potência até 20 W", "9"},
    {"854110", "Diodos, exceto fotodiodos", "9"},
    {"854121", "Transistores de potência inferior a 1 W", "9"},
    {"850440", "Conversores estáticos", "1"},
    {"850431", "Transformadores de potência até 1 kVA", "1"},
    {"853690", "Outros aparelhos para conexão de circuitos", "1"},
    {"853650", "Interruptores e comutadores", "1"},
    {"852990", "Partes de aparelhos receptores", "1"},
    {"852872", "Aparelhos receptores de televisão em cores", "1"},
    {"851810", "Microfones e seus suportes", "1"},
    {"851822", "Alto-falantes múltiplos montados no mesmo receptáculo", "1"},
    {"851829", "Outros alto-falantes", "1"},
    {"847330", "Partes e acessórios de máquinas de processamento de dados", "1"},
    {"844399", "Partes de impressoras", "1"},
    {"841590", "Partes de aparelhos de ar condicionado", "1"},
    {"841430", "Compressores para equipamentos frigoríficos", "1"},
    {"871410", "Partes e acessórios de motocicletas", "1"},
    {"871492", "Aros e raios de bicicletas", "1"},
    {"910211", "Relógios de pulso com mostrador mecânico", "1"},
    {"911410", "Molas de relógios", "5"},
    {"900211", "Objetivas para câmeras", "1"},
    {"700711", "Vidros de segurança temperados", "7"},
    {"481910", "Caixas de papel ou cartão ondulado", "1"},
    {"392321", "Sacos de polímeros de etileno", "9"},
    {"401699", "Outras obras de borracha vulcanizada", "2"},
    {"320890", "Tintas e vernizes à base de polímeros", "4"},
};

const Par kSubdivisoes[] = {{"10", "de uso geral"},
                            {"20", "para montagem industrial"},
                            {"30", "reforçados"},
                            {"40", "de alta precisão"},
                            {"90", "outros"}};

std::string NCM(size_t posicao, size_t subdivisao) {
    return std::string(kPosicoes[posicao].codigo) + kSubdivisoes[subdivisao].codigo;
}

std::string DescricaoNCM(size_t posicao, size_t subdivisao) {
    return std::string(kPosicoes[posicao].descricao) + " - " + kSubdivisoes[subdivisao].descricao;
}

void Inserir(TConexao& c, const std::string& tabela, const std::string& colunas, const std::vector<std::string>& v) {
    std::string valores;
    for (size_t k = 0; k < v.size(); ++k) {
        valores += (k ? " , " : "") + (v[k] == "null" ? std::string("null") : Q(v[k]));
    }
    c.Executar("INSERT INTO " + tabela + " (" + colunas + ") VALUES ( " + valores + " )");
}

// The agency's item details of one NCM code of one product.
const char* const kDetalhes[] = {"Placa principal",     "Carcaça",        "Módulo de alimentação",
                                 "Conjunto de fixação", "Painel frontal", "Chicote elétrico"};

void PreencherReferencias(TConexao& c) {
    for (const auto& u : kUnidades) {
        Inserir(c, "KXUNIDADES", "codunid, descunid", {u.codigo, u.descricao});
    }
    const size_t nPosicoes = std::size(kPosicoes);
    const size_t nSub = std::size(kSubdivisoes);
    for (size_t p = 0; p < nPosicoes; ++p) {
        for (size_t s = 0; s < nSub; ++s) {
            Inserir(c, "PRJ_NCM", "ncm_codigo, ncm_descricao, uni_codigo",
                    {NCM(p, s), DescricaoNCM(p, s), kPosicoes[p].unidade});
        }
    }
    for (size_t i = 0; i < std::size(kProdutos); ++i) {
        const std::string codigo = kProdutos[i].codigo;
        const std::string vlt = codigo.substr(0, 4);
        Inserir(c, "T_PROXVM", "cd_produto_xvm, nm_produto_xvm", {codigo, kProdutos[i].descricao});
        const size_t nTipos = 1 + (i + 2) % 3;
        for (size_t t = 0; t < nTipos; ++t) {
            Inserir(c, "PRJ_TIPO_PROD", "prdt_codprod, prdt_codtipo, prdt_desctipo",
                    {vlt, kTipos[t].codigo, kTipos[t].descricao});
            // Six NCM codes allowed for the finished product of each type.
            for (size_t k = 0; k < 6; ++k) {
                size_t p = (i * 3 + t * 5 + k * 7) % nPosicoes;
                Inserir(c, "PRJ_NCM_PROD_VLT", "nps_codprod, nps_codtipo, nps_ncm",
                        {vlt, kTipos[t].codigo, NCM(p, (i + k) % nSub)});
            }
        }
        // Eight NCM items of the product's standard list, with one or two details each.
        for (size_t k = 0; k < 8; ++k) {
            size_t p = (i * 5 + k * 3) % nPosicoes;
            std::string ncm = NCM(p, (i + 2 * k) % nSub);
            size_t nDet = 1 + (i + k) % 2;
            for (size_t d = 0; d < nDet; ++d) {
                std::string detalhe = "000" + std::to_string(d + 1);
                Inserir(c, "PROD_ITEM", "cd_produto_xvm, cd_mercadoria_ncm, vtncm_detalhe", {vlt, ncm, detalhe});
                TConsulta existe(&c);
                existe.Abrir("SELECT * FROM VLT_NCM WHERE vtncm_codigo = " + Q(ncm) +
                             " AND vtncm_detalhe = " + Q(detalhe));
                if (existe.Vazia()) {
                    Inserir(c, "VLT_NCM", "vtncm_codigo, vtncm_detalhe, vtncm_descricao",
                            {ncm, detalhe,
                             std::string(kDetalhes[(p + d) % std::size(kDetalhes)]) + " - " + kPosicoes[p].descricao});
                }
            }
        }
    }
}

struct InsumoDemo {
    const char* tipo;
    const char* descricao;
    const char* especificacao;
    double coeficiente;
    const char* codEmpresa;
};

// One listing product of a company and its inputs; "P" inputs take the product's
// standard-list items.
void CriarProduto(TConexao& c, const std::string& inscricao, int codigo, size_t produto, size_t tipo,
                  const std::string& modelo, const std::string& centro, const std::string& codModelo,
                  const std::vector<InsumoDemo>& insumos) {
    const std::string vlt = std::string(kProdutos[produto].codigo).substr(0, 4);
    // The product's own NCM: the first allowed for its type.
    TConsulta q(&c);
    q.Abrir("SELECT nps_ncm, uni_codigo FROM PRJ_NCM_PROD_VLT, PRJ_NCM WHERE nps_ncm = ncm_codigo AND "
            "nps_codprod = " +
            Q(vlt) + " AND nps_codtipo = " + Q(kTipos[tipo].codigo) + " ORDER BY nps_ncm");
    const std::string ncmProduto = q.Texto("nps_ncm");
    c.Executar(" INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
               "  exp_tipoprodvlt, exp_modprod, exp_status, cus_codigo, mod_codemp) VALUES ( " +
               Q(inscricao) + " , " + std::to_string(codigo) + " , '1' , " + Q(ncmProduto) + " , " + Q(vlt) + " , " +
               Q(kTipos[tipo].codigo) + " , " + Q(modelo) + " , null , " + Q(centro) + " , " + Q(codModelo) + " ) ");

    TConsulta itens(&c);
    itens.Abrir("SELECT a.cd_mercadoria_ncm, a.vtncm_detalhe, b.vtncm_descricao, n.uni_codigo FROM PROD_ITEM a, "
                "VLT_NCM b, PRJ_NCM n WHERE a.cd_mercadoria_ncm = b.vtncm_codigo AND a.vtncm_detalhe = "
                "b.vtncm_detalhe AND n.ncm_codigo = a.cd_mercadoria_ncm AND a.cd_produto_xvm = " +
                Q(vlt) + " ORDER BY a.cd_mercadoria_ncm, a.vtncm_detalhe");
    int codins = 0;
    size_t posicao = produto;
    for (const auto& ins : insumos) {
        std::string ncm, detalhe, descricao, unidade;
        if (std::string(ins.tipo) == "P") {
            if (itens.Fim()) {
                continue;
            }
            ncm = itens.Texto("cd_mercadoria_ncm");
            detalhe = itens.Texto("vtncm_detalhe");
            descricao = itens.Texto("vtncm_descricao");
            unidade = itens.Texto("uni_codigo");
            itens.Proximo();
        } else {
            posicao = (posicao * 7 + 3) % std::size(kPosicoes);
            ncm = NCM(posicao, posicao % std::size(kSubdivisoes));
            descricao = ins.descricao;
            unidade = kPosicoes[posicao].unidade;
            detalhe = "null";
        }
        std::string coef = FormatoGeral(ins.coeficiente);
        for (auto& ch : coef) {
            if (ch == ',') {
                ch = '.';
            }
        }
        c.Executar(" INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
                   "  exp_coeftec, exp_detinsvlt, exp_descins, ins_codemp, exp_espetec)  VALUES ( " +
                   Q(inscricao) + " , " + std::to_string(codigo) + " , " + std::to_string(++codins) + " , " +
                   Q(unidade) + " , " + Q(ins.tipo) + " , " + Q(ncm) + " , " + coef + " , " +
                   (detalhe == "null" ? detalhe : Q(detalhe)) + " , " + Q(descricao) + " , " +
                   (ins.codEmpresa[0] ? Q(ins.codEmpresa) : "null") + " , " +
                   (ins.especificacao[0] ? Q(ins.especificacao) : "null") + " ) ");
    }
}

void PreencherEmpresas(TConexao& c) {
    Inserir(c, "KX_EMPRESA", "emp_inscvlt, emp_razao", {"200123456", "ELETRÔNICA AMAZÔNIA INDÚSTRIA E COMÉRCIO LTDA"});
    Inserir(c, "KX_EMPRESA", "emp_inscvlt, emp_razao", {"200654321", "MOTOS DO NORTE MONTADORA S.A."});
    Inserir(c, "KX_EMPRESA", "emp_inscvlt, emp_razao", {"200777888", "RELOJOARIA D'ÁGUA DA AMAZÔNIA LTDA"});

    const std::vector<InsumoDemo> televisor = {
        {"P", "", "Placa principal com processador de vídeo, 4 camadas, montagem SMD", 1, "PN-TV-0001"},
        {"P", "", "Carcaça traseira injetada em ABS preto, com grelha de ventilação", 1, "PN-TV-0002"},
        {"P", "", "Módulo de alimentação chaveada 110/220 V, 150 W", 1, "PN-TV-0003"},
        {"E", "Painel de cristal líquido de 43 polegadas", "Painel LCD 43\", resolução 3840x2160, retroiluminação LED",
         1, "PN-TV-0100"},
        {"E", "Controlador de temporização do painel", "Circuito integrado controlador T-CON, encapsulamento BGA", 1,
         "PN-TV-0101"},
        {"N", "Parafuso auto-atarraxante M3 x 8", "Aço carbono zincado, cabeça Phillips", 0.0125, "PN-TV-0200"},
        {"N", "Caixa de papelão ondulado para embalagem", "", 1, ""},
        {"R", "Cabo de força com plugue de 2 pinos", "Cabo 2 x 0,75 mm², 1,5 m, plugue NBR 14136", 1.5, "PN-TV-0300"},
        {"R", "Manual do usuário em português", "", 1, ""},
    };
    const std::vector<InsumoDemo> celular = {
        {"P", "", "Placa lógica com processador de oito núcleos e memória de 6 GB", 1, "PN-CEL-01"},
        {"P", "", "Carcaça em policarbonato com moldura de alumínio anodizado", 1, "PN-CEL-02"},
        {"E", "Tela sensível ao toque de 6,5 polegadas", "Tela OLED 6,5\" com vidro temperado e sensor de toque", 1,
         "PN-CEL-10"},
        {"E", "Bateria de íons de lítio 5000 mAh", "Bateria 3,85 V, 5000 mAh, com circuito de proteção", 1,
         "PN-CEL-11"},
        {"N", "Película protetora de tela", "", 1, ""},
        {"R", "Adesivo de vedação da tampa traseira", "Adesivo dupla face acrílico, 0,15 mm", 0.0000123, ""},
    };
    const std::vector<InsumoDemo> forno = {
        {"P", "", "Módulo de alimentação do magnetron com transformador de alta tensão", 1, "MO-001"},
        {"E", "Magnetron de 900 W", "Válvula magnetron 2450 MHz, potência de saída 900 W", 1, "MO-010"},
        {"N", "Porta com visor de vidro temperado", "Vidro temperado 4 mm com tela metálica de blindagem", 1, "MO-020"},
        {"R", "Prato giratório de vidro", "Diâmetro 245 mm", 1, "MO-030"},
    };
    CriarProduto(c, "200123456", 1, 0, 0, "TV LED 43\" 4K SMART", "CC-0101", "TV43-4K-SMT", televisor);
    CriarProduto(c, "200123456", 2, 0, 1, "TV LED 50\" 4K SMART PREMIUM", "CC-0101", "TV50-4K-PRM", televisor);
    CriarProduto(c, "200123456", 3, 5, 0, "SMARTPHONE AÇAÍ 128 GB", "CC-0202", "CEL-ACAI-128", celular);
    CriarProduto(c, "200123456", 4, 6, 0, "MICRO-ONDAS 30 LITROS", "CC-0303", "MO-30L", forno);
    CriarProduto(c, "200123456", 5, 11, 0, "NOTEBOOK 14\" SEM INSUMOS CADASTRADOS", "CC-0404", "NB-14", {});

    const std::vector<InsumoDemo> moto = {
        {"P", "", "Conjunto de fixação do chassi com parafusos e porcas", 1, "MT-001"},
        {"P", "", "Chicote elétrico principal", 1, "MT-002"},
        {"E", "Motor monocilíndrico de 150 cc", "Motor 4 tempos, 149,2 cm³, arrefecido a ar, partida elétrica", 1,
         "MT-100"},
        {"E", "Injeção eletrônica completa", "Corpo de borboleta, bico injetor e unidade de controle", 1, "MT-101"},
        {"N", "Pneu dianteiro 80/100-18", "Pneu sem câmara, índice de carga 47", 1, "MT-200"},
        {"N", "Banco do piloto e garupa", "Espuma de poliuretano injetada com revestimento em PVC", 1, "MT-201"},
        {"R", "Tanque de combustível de 12 litros", "Aço estampado, pintura eletrostática", 1, "MT-300"},
        {"R", "Óleo lubrificante do motor", "Óleo SAE 10W-30, API SL", 1.1, "MT-301"},
    };
    CriarProduto(c, "200654321", 1, 2, 0, "MOTOCICLETA URBANA 150", "CC-M150", "URB-150", moto);
    CriarProduto(c, "200654321", 2, 2, 1, "MOTOCICLETA URBANA 150 ED. ESPECIAL", "CC-M150", "URB-150-ESP", moto);
    CriarProduto(c, "200654321", 3, 3, 0, "BICICLETA ARO 29", "CC-B29", "BIKE-29",
                 {
                     {"E", "Câmbio traseiro de 9 velocidades", "Câmbio com gaiola média, alumínio", 1, "BK-10"},
                     {"N", "Quadro de alumínio 6061", "Quadro aro 29, tamanho 17", 1, "BK-20"},
                 });
}

// One line of an own-structure file: type, NCM, item detail, description, coefficient (7 whole
// and 8 decimal digits, no mark), unit, the company's code and the technical specification.
std::string LinhaEstruturaPropria(const std::string& tipo, const std::string& ncm, const std::string& detalhe,
                                  const std::string& descricao, const std::string& coeficiente,
                                  const std::string& unidade, const std::string& codEmpresa,
                                  const std::string& especificacao) {
    return CompletaDireita(tipo, 1, " ") + CompletaDireita(ncm, 8, " ") + CompletaDireita(detalhe, 4, " ") +
           CompletaDireita(descricao, 254, " ") + CompletaEsquerda(coeficiente, 15, "0") +
           CompletaDireita(unidade, 2, " ") + CompletaDireita(codEmpresa, 30, " ") + especificacao;
}

// An own-structure file with inputs of the four types for the demonstration product without
// inputs (company 200123456, product 5), so that the import can be tried at once.
void EscreverExemploImportacao(TConexao& c, const fs::path& arquivo) {
    TConsulta itens(&c);
    itens.Abrir("SELECT a.cd_mercadoria_ncm, a.vtncm_detalhe, n.uni_codigo FROM PROD_ITEM a, VLT_NCM b, "
                "PRJ_NCM n WHERE a.cd_mercadoria_ncm = b.vtncm_codigo AND a.vtncm_detalhe = b.vtncm_detalhe "
                "AND n.ncm_codigo = a.cd_mercadoria_ncm AND a.cd_produto_xvm = '0412' "
                "ORDER BY a.cd_mercadoria_ncm, a.vtncm_detalhe");
    std::vector<std::string> linhas;
    for (int k = 0; k < 2 && !itens.Fim(); ++k, itens.Proximo()) {
        linhas.push_back(
            LinhaEstruturaPropria("P", itens.Texto("cd_mercadoria_ncm"), itens.Texto("vtncm_detalhe"), "",
                                  "000000100000000", itens.Texto("uni_codigo"), "NB-P" + std::to_string(k + 1),
                                  "Item da lista padrão do computador portátil, revisão " + std::to_string(k + 1)));
    }
    linhas.push_back(LinhaEstruturaPropria("E", "85423190", "", "Processador de quatro núcleos", "000000100000000", "1",
                                           "NB-E01", "Processador 64 bits, 4 núcleos, 2,4 GHz, encapsulamento BGA"));
    linhas.push_back(LinhaEstruturaPropria("E", "85423290", "", "Memória DDR4 de 8 GB", "000000200000000", "1",
                                           "NB-E02", "Módulo SO-DIMM DDR4 3200 MHz, 8 GB"));
    linhas.push_back(LinhaEstruturaPropria("N", "39269010", "", "Carcaça inferior em plástico injetado",
                                           "000000100000000", "2", "NB-N01", "Policarbonato com ABS, cor grafite"));
    linhas.push_back(
        LinhaEstruturaPropria("N", "73181510", "", "Parafuso M2 x 4 da carcaça", "000000012000000", "2", "", ""));
    linhas.push_back(
        LinhaEstruturaPropria("R", "48191010", "", "Caixa de papelão para embalagem", "000000100000000", "1", "", ""));
    std::string texto;
    for (const auto& linha : linhas) {
        texto += Utf8ParaCp1252(linha) + "\r\n";
    }
    fs::create_directories(arquivo.parent_path());
    std::ofstream(arquivo, std::ios::binary) << texto;
}

} // namespace

int ComandoDemo(const Argumentos& args) {
    if (!args.empty()) {
        std::cerr << "Uso: korvex-admin demo\n";
        return 2;
    }
    if (fs::exists(CaminhoBancoListagem())) {
        std::cout << "O banco da listagem já existe; nada foi alterado: " << CaminhoBancoListagem().string() << "\n";
        return 0;
    }
    CriarBancoListagem();
    try {
        TConexao c;
        c.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
        TTransacao transacao(c);
        PreencherReferencias(c);
        PreencherEmpresas(c);
        transacao.Confirmar();
        EscreverExemploImportacao(c, RaizKorvex() / "exemplos" / "insumos_estrutura_propria.txt");
        c.Fechar();
    } catch (...) {
        std::error_code erro;
        for (const char* sufixo : {"", "-wal", "-shm"}) {
            fs::remove(CaminhoBancoListagem().string() + sufixo, erro);
        }
        throw;
    }
    const fs::path referencia = CaminhoArquivoReferencia();
    fs::create_directories(referencia.parent_path());
    if (!fs::exists(referencia)) {
        std::ofstream(referencia, std::ios::binary) << "";
    }
    std::cout << "Banco de demonstração criado: " << CaminhoBancoListagem().string() << "\n"
              << "Arquivo de referência: " << referencia.string() << "\n"
              << "Exemplo de arquivo de estrutura própria (empresa 200123456, produto 5): "
              << (RaizKorvex() / "exemplos" / "insumos_estrutura_propria.txt").string() << "\n";
    return 0;
}
