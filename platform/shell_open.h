#pragma once
// Opens a document with the desktop's own viewer (a PDF with the PDF reader). Tests
// capture the requests instead, so that nothing is ever opened during a test run.
#include <QString>
#include <QStringList>

namespace ShellOpen {

// Asks the desktop to open the file; false when it could not.
bool open(const QString& path);

// While one is alive, every request is recorded here and nothing is opened.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    const QStringList& opened() const { return opened_; }
    void record(const QString& path) { opened_ << path; }
private:
    QStringList opened_;
    Capture* previous_ = nullptr;
};

} // namespace ShellOpen
