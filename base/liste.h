#pragma once
// A list box that carries data (image paths, names, folders): its items, the selected
// index and the selected text, with no widget. A list of several selections keeps one
// flag per item beside the item under the keyboard cursor (ListIndex). An index out of
// range raises the list's error.
#include <QList>
#include <QString>
#include <QStringList>

#include "base/vb.h"

class Liste {
public:
    // One item selected at a time (the one at ListIndex), or any number of them.
    enum Selection { Simple, Multiple };
    Liste() = default;
    explicit Liste(Selection selection) : multiple_(selection == Multiple) {}

    bool Visible = true;
    // A folder list: the folder whose subfolders it shows.
    QString Path;

    void Clear() {
        items_.clear();
        choisis_.clear();
        index_ = -1;
    }
    void AddItem(const QString& text) {
        items_ << text;
        choisis_ << false;
    }
    // The selection stays on its item; removing the selected item leaves none selected.
    void RemoveItem(int index) {
        check(index);
        items_.removeAt(index);
        choisis_.removeAt(index);
        if (index_ == index) index_ = -1;
        else if (index_ > index) --index_;
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

    bool MultiSelect() const { return multiple_; }
    // Whether the item is selected; in a list of one selection, whether it is at ListIndex.
    bool Selected(int index) const {
        check(index);
        return multiple_ ? choisis_[index] : index == index_;
    }
    void setSelected(int index, bool choisi) {
        check(index);
        if (multiple_) choisis_[index] = choisi;
        else if (choisi) index_ = index;
        else if (index_ == index) index_ = -1;
    }
    int SelCount() const {
        if (!multiple_) return index_ >= 0 ? 1 : 0;
        return int(choisis_.count(true));
    }

    const QStringList& items() const { return items_; }
    bool operator==(const Liste&) const = default;

private:
    void check(int index) const {
        if (index < 0 || index >= items_.size()) throw Vb::Erreur(Vb::ErrArgument, "Invalid list index");
    }
    QStringList items_;
    QList<bool> choisis_;
    int index_ = -1;
    bool multiple_ = false;
};
