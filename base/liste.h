#pragma once
// A list box that carries data (image paths, names): its items, the selected index and
// the selected text, with no widget. An index out of range raises the list's error.
#include <QString>
#include <QStringList>

#include "base/vb.h"

class Liste {
public:
    void Clear() { items_.clear(); index_ = -1; }
    void AddItem(const QString& text) { items_ << text; }
    void RemoveItem(int index) {
        check(index);
        items_.removeAt(index);
        if (index_ >= items_.size()) index_ = int(items_.size()) - 1;
    }
    int ListCount() const { return int(items_.size()); }
    QString List(int index) const { check(index); return items_[index]; }
    void setList(int index, const QString& text) { check(index); items_[index] = text; }
    int ListIndex() const { return index_; }
    void setListIndex(int index) {
        if (index < -1 || index >= items_.size()) throw Vb::Erreur(Vb::ErrArgument, "Invalid list index");
        index_ = index;
    }
    // The selected item's text, empty when nothing is selected.
    QString Text() const { return index_ >= 0 ? items_[index_] : QString(); }
    const QStringList& items() const { return items_; }
    bool operator==(const Liste&) const = default;

private:
    void check(int index) const {
        if (index < 0 || index >= items_.size()) throw Vb::Erreur(Vb::ErrArgument, "Invalid list index");
    }
    QStringList items_;
    int index_ = -1;
};
