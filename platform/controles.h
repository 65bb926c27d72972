#pragma once
// The state of a control of a window that is never shown (the measuring window in
// statistics-only mode): what the program reads and writes of it, with no widget.
#include <QString>
#include <initializer_list>
#include <map>
#include <utility>

// The colours the command bar's buttons take: the system's button face, light green for a
// mode that is on, red for an operation under way.
namespace CouleursBouton {
constexpr long Face = 0x8000000F;
constexpr long VertClair = 0xC0FFC0;
constexpr long Rouge = 255;
} // namespace CouleursBouton

struct Controle {
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;          // menu items
    int Value = 0;                 // check boxes (0, 1), option buttons (0, -1), scroll bars
    QString Caption;
    QString Text;
    QString ToolTipText;
    long BackColor = 0xFFFFFF;     // &HBBGGRR
    long ForeColor = 0;
    int Left = 0, Top = 0, Width = 0, Height = 0;  // twips
    double ScaleWidth = 0, ScaleHeight = 0;
    int ScaleMode = 1;             // 1 twips, 3 pixels
    int Min = 0, Max = 32767;      // scroll bars: the range of Value
    int MousePointer = 0;          // 0 default, 5 size-all
    bool operator==(const Controle&) const = default;
};

// An indexed array of controls; an index is created on first use, as the designer's
// arrays held every index the code refers to.
class TableauControles {
public:
    TableauControles() = default;
    // The items whose design state differs from a default control, by index.
    TableauControles(std::initializer_list<std::pair<const int, Controle>> conception) : items_(conception) {}
    Controle& operator()(int index) { return items_[index]; }
    bool existe(int index) const { return items_.count(index) != 0; }
    std::map<int, Controle>& items() { return items_; }
    bool operator==(const TableauControles&) const = default;
private:
    std::map<int, Controle> items_;
};
