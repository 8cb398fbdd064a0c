// The destination list's view on a real drop-down combo box.
#pragma once

#include <windows.h>

#include "destinations/destination_view.h"

class ComboBoxDestinationView : public DestinationView {
public:
    // The combo box stays the caller's; it must be unsorted (no CBS_SORT).
    explicit ComboBoxDestinationView(HWND comboBox) : comboBox_(comboBox) {}

    void AddItem(const std::string& label) override;
    void InsertItem(int index, const std::string& label) override;
    void DeleteItem(int index) override;
    int ItemCount() override;
    void Select(int index) override;
    int Selection() override;

private:
    HWND comboBox_;
};
