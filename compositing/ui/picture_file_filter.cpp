#include "compositing/ui/picture_file_filter.h"

#include "exchange/ui/dialog_filter.h"

QString compositingFileFilter() { return qtFileFilter(kCompositingFileFilter); }
