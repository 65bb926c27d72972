// How the adjustment window's controls deliver their events: a change of text or value
// runs the control's Change handler, a newly selected option button or a new check-box
// value its Click handler; a value set to what it already holds runs nothing, so no
// cascade loops.
#include <algorithm>

#include "base/vb.h"
#include "colour/ajustement.h"

void Ajustement::Tape(Controle& boite, const QString& texte) {
    if (!boite.Enabled || !boite.Visible) return;
    Fixe_texte(boite, texte);
}

void Ajustement::Clique(TableauControles& options, int index) {
    Controle& o = options(index);
    if (!o.Enabled || !o.Visible) return;
    Selectionne(options, index);
}

void Ajustement::Clique(Controle& caseACocher) {
    if (!caseACocher.Enabled || !caseACocher.Visible) return;
    Fixe_coche(caseACocher, caseACocher.Value == 1 ? 0 : 1);
}

void Ajustement::Defile(Controle& barre, int valeur) {
    if (!barre.Enabled || !barre.Visible) return;
    // The thumb cannot leave the bar.
    Fixe_valeur(barre, std::clamp(valeur, std::min(barre.Min, barre.Max), std::max(barre.Min, barre.Max)));
}

void Ajustement::Fixe_texte(Controle& boite, const QString& texte) {
    if (boite.Text == texte) return;
    boite.Text = texte;
    Change(boite);
}

void Ajustement::Fixe_valeur(Controle& barre, int valeur) {
    if (valeur < std::min(barre.Min, barre.Max) || valeur > std::max(barre.Min, barre.Max))
        throw Vb::Erreur(380, "invalid property value");
    if (barre.Value == valeur) return;
    barre.Value = valeur;
    Change(barre);
}

void Ajustement::Selectionne(TableauControles& options, int index) {
    if (options(index).Value) return;
    for (auto& [i, o] : options.items()) o.Value = 0;
    options(index).Value = -1;
    Click(options, index);
}

void Ajustement::Fixe_coche(Controle& caseACocher, int valeur) {
    if (caseACocher.Value == valeur) return;
    caseACocher.Value = valeur;
    Click(caseACocher);
}

void Ajustement::Change(Controle& c) {
    if (&c == &Text4) return Text4_Change();
    if (&c == &Text5) return Text5_Change();
    if (&c == &VScroll2) return VScroll2_Change();
    if (&c == &VScroll3(0)) return VScroll3_Change(0);
    for (auto& [i, barre] : VScroll1.items())
        if (&c == &barre) return VScroll1_Change(short(i));
}

void Ajustement::Click(TableauControles& options, int index) {
    if (&options == &Option3) return Option3_Click(short(index));
    if (&options == &Option2) return Option2_Click(short(index));
    if (&options == &Option5) return Option5_Click(short(index));
    if (&options == &Option1) return Option1_Click(short(index));
    if (&options == &OpDelta) return OpDelta_Click(short(index));
}

void Ajustement::Click(Controle& c) {
    if (&c == &Check3) return Check3_Click();
    if (&c == &Check4) return Check4_Click();
    if (&c == &ChKRel) return ChKRel_Click();
}
