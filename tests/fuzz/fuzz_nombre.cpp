// The number readers on any text: the readers of a text's beginning give a finite value
// or raise the overflow; the strict reader takes a text only when it is one finite
// number, and reads the value Val_decimal reads once the blanks around it are gone (and
// the no-break spaces in it); a whole number lies in its range.
#include <cmath>

#include "base/gen.h"
#include "base/vb.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QString texte = Texte(data, taille);
    const auto lit = [](auto lecture, double& lu) {
        try {
            lu = lecture();
        } catch (const Vb::Erreur& e) {
            VERIFIE(e.numero == Vb::ErrDepassement);
            return false;
        }
        VERIFIE(std::isfinite(lu));
        return true;
    };
    double lu = 0;
    lit([&] { return Vb::Val(texte); }, lu);
    lit([&] { return Gen::Val_decimal(texte); }, lu);
    const bool fini = lit([&] { return Gen::Val_decimal(texte.trimmed()); }, lu);
    double v = 0;
    if (Gen::Nombre_lu(texte, v)) {
        VERIFIE(fini && std::isfinite(v) && v == lu);
        QString t = texte.trimmed();
        t.removeIf(Vb::Espace_groupe);
        t = Gen::Sans_groupes(t);
        t.replace(QLatin1Char(','), QLatin1Char('.')).replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
        bool ok = false;
        VERIFIE(t.toDouble(&ok) == v && ok);
    }
    long long n = 0;
    if (Gen::Entier_lu(texte, -32768, 32767, n)) VERIFIE(n >= -32768 && n <= 32767 && Gen::Nombre_lu(texte, v));
    return 0;
}
