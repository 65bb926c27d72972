#include "statwin/fenhisto.h"

#include <QCloseEvent>

#include "app/etat_demarrage.h"
#include "app/programme.h"
#include "platform/prompts.h"

namespace {
FenHisto* courante = nullptr;
std::function<void(FenHisto&)> modalHook;
constexpr int TwipsParPixel = 15;
} // namespace

FenHisto* FenHisto::instance() {
    if (!courante) {
        courante = new FenHisto;
        courante->Form_Load();
    }
    return courante;
}

bool FenHisto::charge() { return courante != nullptr; }

void FenHisto::decharger() {
    delete courante;
    courante = nullptr;
}

void FenHisto::setModalHook(std::function<void(FenHisto&)> hook) { modalHook = std::move(hook); }

FenHisto::FenHisto() {
    setWindowTitle(QStringLiteral("Quenlor"));
    setModal(true);
}

void FenHisto::placer(int leftTwips, int topTwips) { move(leftTwips / TwipsParPixel, topTwips / TwipsParPixel); }
int FenHisto::leftTwips() const { return x() * TwipsParPixel; }
int FenHisto::topTwips() const { return y() * TwipsParPixel; }

void FenHisto::montrer_modal() {
    fermeture_ = false;
    Form_Activate();
    if (modalHook) {
        modalHook(*this);
        return;
    }
    exec();
}

void FenHisto::Form_Load() {}

void FenHisto::Form_Activate() { placer(3500, 2000); }

void FenHisto::closeEvent(QCloseEvent* event) {
    // The close box runs the close routine once; the routine itself hides the window.
    if (!fermeture_) Ferme_Histo();
    event->accept();
}

void FenHisto::Ferme_Histo() {
    fermeture_ = true;
    hide();
    if (!ModeStatSeul) return;
    const int r = Prompts::msgBox(QStringLiteral("Quitter Quenlor?"), Prompts::YesNo | Prompts::IconQuestion,
                                  windowTitle());
    if (r == Prompts::Yes) Programme::Terminer(0);
}
