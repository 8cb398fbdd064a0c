// Makes a program of ours the mailto handler of the test prefix for as long as the
// owner lives, then puts the previous handler back.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace e2e {

class MailtoHandler {
public:
    // handlerExe is started as "handlerExe" "%1", %1 being the URL.
    explicit MailtoHandler(const std::string& handlerExe);
    MailtoHandler(const MailtoHandler&) = delete;
    MailtoHandler& operator=(const MailtoHandler&) = delete;
    ~MailtoHandler();

    bool Registered() const { return registered_; }

private:
    bool registered_ = false;
    std::optional<std::string> previousCommand_;
};

// A mailto URL read the way RFC 6068 says: the recipients up to "?", then fields split
// at "&", each name and value percent-decoded into its bytes. "to" holds the recipients.
std::map<std::string, std::string> ReadAsMailProgram(const std::string& url);

}  // namespace e2e
