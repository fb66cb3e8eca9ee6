#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace scrivafresa::testing {

// Switches the C library to a locale that writes "1,5" for as long as it lives. The locale
// is compiled into a private folder when the machine has none installed.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() {
        for (const char* name : {"it_IT.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
            if (std::setlocale(LC_ALL, name)) return;
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "scrivafresa-test-locales";
        std::filesystem::create_directories(folder);
        const std::string command = "localedef -i it_IT -f UTF-8 '" + (folder / "it_IT.UTF-8").string() +
                                    "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(folder / "it_IT.UTF-8"))
            return;
        setenv("LOCPATH", folder.c_str(), 1);
        std::setlocale(LC_ALL, "it_IT.UTF-8");
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return std::string(std::localeconv()->decimal_point) == ","; }
};

}  // namespace scrivafresa::testing
