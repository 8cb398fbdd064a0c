// The main dialog as the shortcut commands see it: its text fields, the destination
// drop-down, the icon preview and the two pieces of state the dialog owns.
#pragma once

#include <optional>
#include <string>

enum class FormControl { Address, Subject, Cc, Bcc, Body, Name, Destinations };

class ShortcutForm {
public:
    virtual ~ShortcutForm() = default;

    // The field's text in the ANSI code page, or nullopt when it holds a character the
    // code page cannot spell (it is never swapped for a look-alike).
    virtual std::optional<std::string> FieldText(FormControl field) = 0;
    // The field's text as the control holds it, including what the code page cannot
    // spell.
    virtual std::u16string FieldUtf16Text(FormControl field) = 0;
    // Setting a text raises the field's change notification, as typing does.
    virtual void SetFieldText(FormControl field, const std::string& text) = 0;
    virtual void SetFocusTo(FormControl control) = 0;
    virtual bool HasFocus(FormControl control) = 0;
    // Modal box owned by the dialog: the string table's text textId, each "%1" in it
    // replaced by value, and the caption captionId. Returns the button pressed, 0 when
    // the box could not be shown.
    virtual int ShowMessage(unsigned textId, unsigned captionId, unsigned style,
                            const std::string& value = {}) = 0;
    virtual void ClearIconPreview() = 0;

    virtual bool NameEditedByUser() = 0;
    virtual void SetNameEditedByUser(bool edited) = 0;
    virtual int IconIndex() = 0;
    virtual void SetIconIndex(int index) = 0;

    // Typed text that is not yet a shortcut (see PendingInput): the commands mark the
    // points where nothing is pending and ask before replacing what is.
    virtual void MarkInputClean() = 0;
    virtual bool InputPending() = 0;
};
