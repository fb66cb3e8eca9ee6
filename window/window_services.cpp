#include "window_services.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <thread>

namespace scrivafresa {
namespace {

std::optional<QFont> AskFont(QWidget* parent, const QFont& current) {
    QFontDialog dialog(current, parent);
    dialog.setOption(QFontDialog::ScalableFonts);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

bool AskSavePath(QWidget* parent, SaveDialogSettings& settings) {
    QFileDialog dialog(parent, settings.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(settings.nameFilters);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    if (!settings.selectedNameFilter.isEmpty())
        dialog.selectNameFilter(settings.selectedNameFilter);
    if (!settings.fileName.isEmpty()) dialog.selectFile(settings.fileName);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    settings.fileName = chosen.front();
    settings.selectedNameFilter = dialog.selectedNameFilter();
    return true;
}

}  // namespace

QString ErrorBoxText(const QString& message) {
    return message + QLatin1Char('.');
}

WindowServices DesktopServices() {
    WindowServices services;
    services.chooseFont = AskFont;
    services.chooseSavePath = AskSavePath;
    services.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QStringLiteral("Scrivafresa"), ErrorBoxText(message));
    };
    services.holdSplash = [](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); };
    return services;
}

}  // namespace scrivafresa
