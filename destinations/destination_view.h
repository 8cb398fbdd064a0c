// The destination drop-down list as the destination list drives it.
#pragma once

#include <string>

class DestinationView {
public:
    virtual ~DestinationView() = default;
    virtual void AddItem(const std::string& label) = 0;
    virtual void InsertItem(int index, const std::string& label) = 0;
    virtual void DeleteItem(int index) = 0;
    virtual int ItemCount() = 0;
    // -1 selects nothing.
    virtual void Select(int index) = 0;
    // -1 when nothing is selected.
    virtual int Selection() = 0;
};
