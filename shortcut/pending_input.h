// Typed text that is not yet a shortcut. Input is pending while a text field differs
// from what it held at the last clean point: the start, a successful Create once the
// form is cleared, an open once every field is set. The icon and the destination never
// count: choosing them again costs one click.
#pragma once

#include <array>
#include <string>

#include "shortcut/shortcut_form.h"

class PendingInput {
public:
    // The fields as they stand become the clean point.
    void MarkClean(ShortcutForm& form);
    bool IsPending(ShortcutForm& form) const;

private:
    // UTF-16, so that a field holding only what the code page cannot spell still counts.
    std::array<std::u16string, 6> clean_;
};
