#pragma once
// The program's application object: a run-time error that a handler lets through is
// shown to the user and the event loop goes on, so the grid and the settings in memory
// outlive it.
#include <QApplication>

class Application : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
