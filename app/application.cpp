#include "app/application.h"

#include <QApplication>
#include <QMessageBox>
#include <QUrl>

#include <unistd.h>

#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "app/recovery_offer.h"
#include "exchange/image_library.h"
#include "exchange/library_search.h"
#include "ui/file_chooser.h"

namespace {
constexpr const char* kImageLibraryCaption = "Export/Import";
}

StartupContext defaultStartupContext() {
    StartupContext context;
    context.libraryFolders = librarySearchFolders();
    context.loadImages = [](ImageLibrary& lib, std::string* error) { return loadImageLibrary(lib, error); };
    context.askRuntime = [](const std::string& text) {
        QMessageBox box(QMessageBox::Critical, kRuntimeCaption, QString::fromStdString(text),
                        QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    context.showError = [](const std::string& text, const std::string& caption) {
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.exec();
    };
    return context;
}

bool prepareStartup(StartupContext& context, RuntimeBinding& runtime, ImageLibrary& images) {
    RuntimeMessages messages(context.askRuntime);
    if (!loadRuntimeLibrary(runtime, context.libraryFolders, context.systemSearch, true, messages)) return false;

    const std::string base = dataDirectoryBase(context.environment);
    if (base.empty()) {
        context.showError(kNoDataDirectoryMessage, "");
        setDataDirectory({});
    } else {
        setDataDirectory(makeDataDirectory(base));
    }

    std::string error;
    if (!context.loadImages || !context.loadImages(images, &error)) {
        // There is no numeric error code here: the loader's own reason stands in its place.
        context.showError("Failure loading library import/export picture with error:" + error, kImageLibraryCaption);
    }
    return true;
}

std::string commandLineFilePath(const std::string& argument) {
    if (argument.rfind("file:", 0) != 0) return argument;
    const QUrl url(QString::fromLocal8Bit(argument.c_str()));
    return url.isLocalFile() ? pathFromQt(url.toLocalFile()) : argument;
}

int runVospren(const std::vector<std::string>& files) {
    StartupContext context = defaultStartupContext();
    if (!prepareStartup(context, runtimeBinding(), imageLibrary())) return 1;
    // Work left by a run that ended without cleaning up is offered before anything else.
    auto keeper = std::make_unique<RecoveryKeeper>(dataDirectory(), long(::getpid()));
    PicturePtr restored =
        offerRecovery(dataDirectory(), long(::getpid()), keeper->picturePath(), messageBoxRecoveryPrompt());
    CvosprenDlg window(imageLibrary());
    window.keepRecovery(std::move(keeper));
    window.show();
    if (restored) {
        // The restored work is in no file yet: it carries the modified mark, so that
        // closing asks before it is lost again.
        window.saveUndoSnapshot();
        window.replacePicture(std::move(restored));
        window.refreshView();
    } else if (!files.empty()) {
        // As a drop does: the first file, the others ignored.
        window.openPictureFile(commandLineFilePath(files.front()));
    }
    return QApplication::exec();
}
