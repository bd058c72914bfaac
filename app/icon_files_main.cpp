// Writes the icon theme's files at build time:
//   vospren-icon-files DIR SIZE...  ->  DIR/vospren.svg and DIR/<SIZE>/vospren.png
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

#include "app/app_icon.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vospren-icon-files DIR SIZE...\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QFile svg(dir.filePath("vospren.svg"));
    if (!dir.mkpath(".") || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(appIconSvg()) < 0 ||
        !svg.flush()) {
        std::fprintf(stderr, "vospren-icon-files: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QString::number(size);
        if (size <= 0 || !dir.mkpath(folder) ||
            !appIconImage(size).save(dir.filePath(folder + "/vospren.png"), "PNG")) {
            std::fprintf(stderr, "vospren-icon-files: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
