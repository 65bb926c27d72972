// The statistics window's captions from the message table Lib_MenuStat, so that a
// language file translates them. Run at each activation, after the view is opened.
#include "base/messages.h"
#include "statwin/fenhisto.h"

void PanneauTests::Charge_entetes() {
    FenHisto& f = fen();
    const auto& T = Lib_MenuStat;

    for (int i = 1; i <= 6; ++i) f.Mnstat(i).setText(T[i]);
    f.Mnstat3(1).setText(T[10]);
    f.Mnstat4(1).setText(T[16]);
    f.Mnstat4(2).setText(T[17]);
    f.Mnstat6(1).setText(QStringLiteral("sauver trame extraite"));
    f.Framehist(3).setTitle(T[12]);
    f.CmdHist1(1).setText(T[1]);
    f.lblNbDe(15).setText(T[21]);
    f.MCommand3(1).setText(T[25]);
    f.MCommand3(2).setText(T[30]);
    f.MCommand3(4).setText(T[32]);
    f.MCommand3(6).setText(T[25]);
    for (int i = 0; i <= 7; ++i) f.MFrame1(i).setTitle(T[22 + i]);
    for (int i = 4; i <= 6; ++i) Tblcopie(i).setText(T[30]);
    f.MLabel2->setText(T[29]);
    f.MCommand3(2).setText(T[30]);
    f.MLabel3->setText(T[2]);
    for (int i = 0; i <= 2; ++i) f.MOption1(i).setText(T[26 + i]);
    for (int i = 0; i <= 4; ++i) f.MCheck1(i).setText(T[33 + i]);
    COption1(0).setText(T[54]);
    COption1(1).setText(T[53]);
    f.Label4->setText(T[38]);
    lblMoyenne(0).setText(T[39]);
    for (int i = 0; i <= 4; ++i) {
        lblMoyenne(i + 1).setText(T[40 + i]);
        lblMoyenne(i + 6).setText(T[40 + i]);
    }
    for (int i = 0; i <= 3; ++i) Copt(i).setText(T[48 + i]);
    Copt(4).setText(Copt(3).text());
    ChoixComp(0).setText(T[55]);
    ChoixComp(1).setText(T[56]);

    // Captions whose French stands in the table exactly as the window is designed: taking
    // them from the table changes nothing in French and lets a language file reach them.
    f.Mnstat(7).setText(T[24]);
    f.Mnstat(15).setText(T[8]);
    f.Mnstat6(2).setText(T[62]);
    f.Mnstat6(5).setText(T[63]);
    f.Mnstat6(6).setText(T[64]);
    f.stcadre(2).setTitle(T[2]);
    f.stcadre(5).setTitle(T[16]);
    f.stcadre(6).setTitle(T[17]);
    f.CmdHist1(0).setText(T[20]);
    f.Command_extraire(0).setText(T[65]);
    f.MCommand3(8).setText(T[30]);
    chkLoiNormale(0).setText(T[16]);
    for (int i = 1; i <= 2; ++i) cmdCalcul(i).setText(T[25]);
    for (int i = 2; i <= 3; ++i) {
        Command4(i).setText(T[25]);
        Tlabel(i).setText(T[29]);
    }
}
