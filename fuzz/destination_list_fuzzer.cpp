// The destination list filled from a settings section with any values and any SELECT,
// then added to, reselected and saved: the list keeps its shape, holds only folders
// that can take shortcuts and come back whole, and what it saves comes back first at
// the next start.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "destinations/destination_list.h"
#include "destinations/settings_section.h"
#include "fuzz/check.h"
#include "shortcut/shortcut_path.h"
#include "tests/native/destination_test_doubles.h"

namespace {

std::string Key(int i) {
    std::string digits = std::to_string(i);
    return "MENU_" + std::string(3 - digits.size(), '0') + digits;
}

bool Keepable(const std::string& path) {
    return IsUsableFolder(path) && path.size() <= ProfileSection::kMaxValueBytes;
}

std::vector<std::string> UserFolders(const DestinationList& list) {
    std::vector<std::string> folders;
    for (int slot = list.fixedCount(); slot < list.count(); ++slot) {
        folders.push_back(list.path(slot));
    }
    return folders;
}

void CheckShape(const DestinationList& list, const FakeDropDownList& view, int wellKnown) {
    FUZZ_CHECK(list.fixedCount() == std::min(wellKnown, DestinationList::kMaxCount));
    FUZZ_CHECK(list.count() >= list.fixedCount() && list.count() <= DestinationList::kMaxCount);
    FUZZ_CHECK(static_cast<int>(view.items.size()) == list.count());
    for (int slot = list.fixedCount(); slot < list.count(); ++slot) {
        FUZZ_CHECK(view.items[static_cast<size_t>(slot)] == list.path(slot));
        FUZZ_CHECK(Keepable(list.path(slot)));
    }
    for (int slot = list.count(); slot < DestinationList::kMaxCount; ++slot) {
        FUZZ_CHECK(list.path(slot).empty());
    }
    FUZZ_CHECK(view.selected >= -1 && view.selected < list.count());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<WellKnownFolder> wellKnown;
    for (int n = input.ConsumeIntegralInRange(0, 5); n > 0; --n) {
        wellKnown.push_back({"label", input.ConsumeRandomLengthString(40)});
    }
    const int fixed = static_cast<int>(wellKnown.size());

    MemoryProfileSection settings;
    for (int key = 0; key < 22; ++key) {
        if (input.ConsumeBool()) {
            settings.values[Key(key)] = input.ConsumeRandomLengthString(600);
        }
    }
    if (input.ConsumeBool()) {
        settings.values["SELECT"] = input.ConsumeRandomLengthString(12);
    }

    // What the first start should show: the saved folders up to the first empty or
    // missing key, without those that could not be kept. A value the code page cannot
    // spell (the stand-in's values behind a NUL) is not shown but takes its room.
    std::vector<std::string> readable;
    int unshowable = 0;
    const int room =
        std::max(DestinationList::kMaxCount - fixed, DestinationList::kKeptUserFolders);
    for (int key = 0;
         key < DestinationList::kMaxCount && unshowable + static_cast<int>(readable.size()) < room;
         ++key) {
        const auto found = settings.values.find(Key(key));
        if (found == settings.values.end() || found->second.empty()) {
            break;
        }
        if (IsVerbatimFolder(found->second)) {
            ++unshowable;
        } else if (Keepable(found->second)) {
            readable.push_back(found->second);
        }
    }
    const int capacity = DestinationList::kMaxCount - unshowable;
    const bool anyUnshowable =
        std::any_of(settings.values.begin(), settings.values.end(),
                    [](const auto& key) { return IsVerbatimFolder(key.second); });
    const std::vector<std::string> expected(
        readable.begin(),
        readable.begin() + std::min<size_t>(readable.size(), std::max(capacity - fixed, 0)));

    FakeDropDownList view;
    DestinationList list(view);
    list.Fill(wellKnown, settings);
    CheckShape(list, view, fixed);
    FUZZ_CHECK(UserFolders(list) == expected);
    FUZZ_CHECK(list.count() == 0 || view.selected >= 0);

    for (int steps = input.ConsumeIntegralInRange(0, 24); steps > 0; --steps) {
        if (input.ConsumeBool()) {
            const std::string path = input.ConsumeRandomLengthString(600);
            const std::vector<std::string> before = UserFolders(list);
            const bool added = list.Add(path);
            FUZZ_CHECK(added == (Keepable(path) && fixed < capacity));
            if (added) {
                FUZZ_CHECK(list.path(fixed) == path && view.selected == fixed);
                // The others move down one; the oldest falls off a full list.
                std::vector<std::string> after = UserFolders(list);
                after.erase(after.begin());
                FUZZ_CHECK(after.size() ==
                           std::min(before.size(), static_cast<size_t>(capacity - fixed - 1)));
                FUZZ_CHECK(std::equal(after.begin(), after.end(), before.begin()));
            } else {
                FUZZ_CHECK(UserFolders(list) == before);
            }
        } else {
            view.Select(input.ConsumeIntegralInRange(-2, DestinationList::kMaxCount));
        }
        CheckShape(list, view, fixed);
    }

    list.Save(settings);
    FakeDropDownList nextView;
    DestinationList next(nextView);
    next.Fill(wellKnown, settings);
    CheckShape(next, nextView, fixed);
    // What was saved comes back, and nothing else: no key is left behind the list. A
    // folder that cannot be shown changes how many of the others the list has room for,
    // so with one in the file the list shows the same folders or fewer.
    const std::vector<std::string> shown = UserFolders(list), back = UserFolders(next);
    if (!anyUnshowable) {
        FUZZ_CHECK(back == shown);
    } else {
        const size_t common = std::min(back.size(), shown.size());
        FUZZ_CHECK(std::equal(back.begin(), back.begin() + common, shown.begin()));
    }
    if (view.selected >= 0 && view.selected < next.count()) {
        FUZZ_CHECK(nextView.selected == view.selected);
    }
    return 0;
}
