#include "compositing/ui/picture_file_list.h"

#include "compositing/file_list_rule.h"
#include "ui/file_list_widget.h"

QString compositingFileFilter() {
    return QStringLiteral(
        "Picture Files (*.png *.bmp *.jpg);;Jpeg (*.jpg);;Portable NetWork Graphics (*.png);;"
        "Bitmap (True Color Only)(*.bmp);;All Files (*.*)");
}

FileListRule compositingFileListRule() { return FileListRule{addToFileList, fileListOrder}; }
