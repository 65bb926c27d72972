#pragma once
// The statistics window: the program's face in statistics-only mode. It is loaded
// afresh for each showing and unloaded when closed.
#include <QDialog>
#include <functional>

class FenHisto : public QDialog {
public:
    // The loaded window, loading it afresh (Form_Load) when it is not loaded.
    static FenHisto* instance();
    static bool charge();
    // Unloads the window: the next instance() starts from the designed state.
    static void decharger();

    // Tests replace the user's session with the window: the hook runs where the modal
    // loop would, after the activation.
    static void setModalHook(std::function<void(FenHisto&)> hook);

    // Moves the window, in twips from the screen's left and top.
    void placer(int leftTwips, int topTwips);
    int leftTwips() const;
    int topTwips() const;
    // Shows the window modally: activation, then the user's session until it is closed.
    void montrer_modal();

    void Form_Load();
    void Form_Activate();
    void Ferme_Histo();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FenHisto();
    bool fermeture_ = false;
};
