#pragma once

#include <gtest/gtest.h>

#include <QFont>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "main_window.h"
#include "window_services.h"

namespace scrivafresa::testing {

// Plays the person at the desktop: answers the dialogs as told and records what the window
// showed and asked.
struct DesktopStandIn {
    std::optional<QFont> fontAnswer;  // nothing: the font dialog is cancelled
    std::vector<QFont> fontDialogOpenedOn;
    std::optional<QString> savePathAnswer;   // nothing: the save dialog is cancelled
    std::vector<QString> saveDialogOffered;  // the file name each save dialog offered
    std::vector<QString> errors;             // messages of the error box
    std::vector<std::chrono::milliseconds> splashWaits;
    std::function<void()> whileSplashShows;

    WindowServices Services() {
        WindowServices services;
        services.chooseFont = [this](QWidget*, const QFont& current) {
            fontDialogOpenedOn.push_back(current);
            return fontAnswer;
        };
        services.chooseSavePath = [this](QWidget*, SaveDialogSettings& dialog) {
            saveDialogOffered.push_back(dialog.fileName);
            if (!savePathAnswer) return false;
            dialog.fileName = *savePathAnswer;
            return true;
        };
        services.showError = [this](QWidget*, const QString& message) {
            errors.push_back(message);
        };
        services.holdSplash = [this](std::chrono::milliseconds time) {
            splashWaits.push_back(time);
            if (whileSplashShows) whileSplashShows();
        };
        return services;
    }
};

// A fresh window per test, never shown unless the test shows it.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { form = std::make_unique<TForm1>(desktop.Services()); }
    void TearDown() override { form.reset(); }

    DesktopStandIn desktop;
    std::unique_ptr<TForm1> form;
};

}  // namespace scrivafresa::testing
