#include "command_line.h"

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--base") {
            if (i + 1 == arguments.size()) {
                parsed.error = "--base needs a folder";
                return parsed;
            }
            parsed.options.base = arguments[++i];
        } else {
            parsed.error = "unknown option: " + argument;
            return parsed;
        }
    }
    return parsed;
}
