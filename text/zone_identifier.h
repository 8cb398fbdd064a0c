// The zone that Windows records for a downloaded file in its Zone.Identifier stream:
//   [ZoneTransfer]
//   ZoneId=3
// often followed by ReferrerUrl= and HostUrl= lines.
#pragma once

#include <optional>
#include <string_view>

namespace zone {

// The ZoneId of the [ZoneTransfer] section of the stream's text (ANSI, or UTF-16 with
// its byte order mark), or nothing when there is no such key or its value is not a
// number.
std::optional<int> ZoneIdFromStream(std::string_view streamText);

}  // namespace zone
