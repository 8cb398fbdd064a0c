// Keeps the shortcut name following the address until the user edits the name.
#pragma once

#include <optional>
#include <string>

#include "shortcut/shortcut_form.h"

// The name made from the address field's text, or nullopt when the address is too long
// to follow.
std::optional<std::string> SuggestedName(const std::string& fieldText);

// On every change of the address field.
void SuggestShortcutName(ShortcutForm& form);

// On every change of the name field.
void NoteNameFieldChange(ShortcutForm& form);
