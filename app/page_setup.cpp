#include "page_setup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QSaveFile>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "page_setup_text.h"
#include "text_helpers.h"

namespace {

const char* const kPageSetupFileName = "元帳プリンター設定";

// The settings folder, made when missing; nothing when it cannot be named.
std::optional<std::string> SettingsFolder(const std::string& basicPath) {
    return MakeFolder(basicPath + "設定");
}

bool SavePageSetup(const std::string& path, const std::string& settings) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(settings.data(), static_cast<qint64>(settings.size())) !=
        static_cast<qint64>(settings.size())) {
        file.cancelWriting();
    }
    return file.commit();
}

}  // namespace

bool RunPageSetupDialog(QPrinter& printer) {
    QPageSetupDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

std::string LoadPageSetup(const std::string& basicPath) {
    const std::optional<std::string> folder = SettingsFolder(basicPath);
    if (!folder) return {};
    const std::filesystem::path path = *folder + kPageSetupFileName;
    // A missing file, or a folder or device in its place, reads as nothing.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return file.good() ? content.str() : std::string();
}

void FilePageSetup(const std::string& basicPath, std::string& printSettings,
                   const PageSetupDialogFunction& dialog) {
    QPrinter printer(QPrinter::HighResolution);
    RestorePageSetup(printer, printSettings);
    if (!dialog(printer)) return;
    printSettings = PageSetupText(printer.pageLayout());
    const std::optional<std::string> folder = SettingsFolder(basicPath);
    if (!folder) return;
    SavePageSetup(*folder + kPageSetupFileName, printSettings);
}
