// The main dialog as the shortcut commands see it: its three text fields, the
// destination drop-down, the icon preview and the two pieces of state the dialog owns.
#pragma once

#include <string>

enum class FormControl { Address, Subject, Name, Destinations };

class ShortcutForm {
public:
    virtual ~ShortcutForm() = default;

    virtual std::string FieldText(FormControl field) = 0;
    // Setting a text raises the field's change notification, as typing does.
    virtual void SetFieldText(FormControl field, const std::string& text) = 0;
    virtual void SetFocusTo(FormControl control) = 0;
    virtual bool HasFocus(FormControl control) = 0;
    // Modal box owned by the dialog; returns the button pressed.
    virtual int ShowMessage(const std::string& text, const std::string& caption,
                            unsigned style) = 0;
    virtual void ClearIconPreview() = 0;

    virtual bool NameEditedByUser() = 0;
    virtual void SetNameEditedByUser(bool edited) = 0;
    virtual int IconIndex() = 0;
    virtual void SetIconIndex(int index) = 0;
};
