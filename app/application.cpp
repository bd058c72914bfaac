#include "app/application.h"

#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "exchange/library_search.h"
#include "exchange/image_library.h"

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
        context.showError("Failure loading library import/export picture with error:" + error,
                          kImageLibraryCaption);
    }
    return true;
}

int runVospren() {
    StartupContext context = defaultStartupContext();
    if (!prepareStartup(context, runtimeBinding(), imageLibrary())) return 1;
    CvosprenDlg window(imageLibrary());
    window.show();
    return QApplication::exec();
}
