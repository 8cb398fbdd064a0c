// The destination list's view on a real drop-down combo box.
#pragma once

#include "destinations/destination_view.h"
#include "framework/dialog_controls.h"

class ComboBoxDestinationView : public DestinationView {
public:
    // The combo box stays the caller's and may be bound to its window later; it must be
    // unsorted (no CBS_SORT).
    explicit ComboBoxDestinationView(CComboBox& comboBox) : comboBox_(comboBox) {}

    void AddItem(const std::string& label) override { comboBox_.AddString(label); }
    void InsertItem(int index, const std::string& label) override {
        comboBox_.InsertString(index, label);
    }
    void DeleteItem(int index) override { comboBox_.DeleteString(index); }
    int ItemCount() override {
        const int count = comboBox_.GetCount();
        return count == CB_ERR ? 0 : count;
    }
    void Select(int index) override { comboBox_.SetCurSel(index); }
    int Selection() override { return comboBox_.GetCurSel(); }

private:
    CComboBox& comboBox_;
};
