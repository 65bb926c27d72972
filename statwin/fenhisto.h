#pragma once
// The statistics window: the program's face in statistics-only mode. It is loaded
// afresh for each showing and unloaded when closed. The window itself holds the frame:
// its seven view frames `stcadre`, its menus and its life cycle; each group of views
// lives in its own panel class, mixed in here, which holds that group's controls,
// form variables and procedures.
#include <QDialog>
#include <QGroupBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <functional>

#include "statwin/controles_stat.h"
#include "statwin/panneau_diagramme.h"
#include "statwin/panneau_nuage.h"
#include "statwin/panneau_tests.h"

class FenHisto : public QDialog, public PanneauNuage, public PanneauDiagramme, public PanneauTests {
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
    // The window's size in twips, as the layout of a view last set it.
    int Width() const { return largeurTwips_; }
    int Height() const { return hauteurTwips_; }
    // Shows the window modally: activation, then the user's session until it is closed.
    void montrer_modal();

    // --- life cycle
    void Form_Load();
    void Form_Activate();
    void Ferme_Histo();
    void Form_QueryUnload(short& Cancel, short UnloadMode);

    // --- views
    Tableau<QGroupBox> stcadre;     // 1 plot, 2 diagram, 3-6 tests and tables, 7 shared panel
    void Init_cadrage_frames(short mode);
    void init_cadre_nuage();
    void RedimFrame(QGroupBox& control, const QString& caption, int height, int left, int top, int width);
    void RedimPicbox(QWidget& control, const QString& caption, int height, int left, int top, int width);
    void Masque_cadres();
    // The last view laid out, 0 before any.
    short VueCourante() const { return vue_; }

    // --- menus
    Tableau<QAction> Mnstat;        // 1 plot, 2 diagrams, 3 tests, 4 tables, 6 tools, 7 options, 15 close
    Tableau<QAction> Mnstat3;       // tests: 1 mean, 2 homogeneity, 3 normality
    Tableau<QAction> Mnstat4;       // tables: 1 normal law, 2 Student
    Tableau<QAction> Mnstat6;       // tools: 1 save extract, 2 CSV export, 5 example, 6 documentation
    Tableau<QAction> Hopt;          // options: 1 alerts
    void Mnstat_Click(short index);
    void Mnstat4_Click(short index);
    void Mnstat6_Click(short index);
    void Hopt_Click(short index);
    QMenuBar* barreMenus() const { return barre_; }

    // --- screen copies
    void CmdHist_Click(short index);
    void cmdCopie_Ecran_Click();
    QPushButton* cmdCopie_Ecran = nullptr;   // screen copy of the diagram view

    // --- extract saving (tools menu)
    void exporte_trame_extrait();
    void CSV_Export();

    // The window's status bar.
    QLabel* StatusBar2 = nullptr;

    // The area under the menu bar that holds the views.
    QWidget* zone() const { return zone_; }

    ~FenHisto() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window the way its close box does.
    void reject() override;

private:
    FenHisto();
    void construire_menus();
    void dimensionner(int largeurTwips, int hauteurTwips);
    void Exemple();

    QMenuBar* barre_ = nullptr;
    QWidget* zone_ = nullptr;
    bool fermeture_ = false;
    short vue_ = 0;
    int largeurTwips_ = 0, hauteurTwips_ = 0;
};
