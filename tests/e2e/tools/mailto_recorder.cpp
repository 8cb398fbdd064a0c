// Stands in for the user's mail program: registered as the mailto handler in the test
// prefix, it writes the URL it was started with to received-url.txt beside itself, one
// argument a line: a URL that the command line split shows as several lines.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string output = self;
    output = output.substr(0, output.find_last_of('\\') + 1) + "received-url.txt";
    // Written under another name and renamed, so a reader never sees half a line.
    const std::string partial = output + ".partial";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        std::fprintf(file, "%s%s", i > 1 ? "\n" : "", argv[i]);
    }
    std::fclose(file);
    return MoveFileExA(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
