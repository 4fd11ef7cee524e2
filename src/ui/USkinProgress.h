#pragma once
// TFSkinProgress, the small busy window with one progress bar that a window shows
// while it waits for a newly saved row to appear in its list.

#include <QDialog>

class QProgressBar;

class TFSkinProgress : public QDialog {
    Q_OBJECT
public:
    explicit TFSkinProgress(QWidget* pai = nullptr);

    // Moves the bar one step on, up to its maximum.
    void Avancar();

    QProgressBar* pgb;

protected:
    void showEvent(QShowEvent* evento) override;
};
