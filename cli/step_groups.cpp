#include "cli/step_table.h"

void registerPngSteps(StepTable& table);  // png-compression

// Every group of steps, one line each; --help lists them in this order.
void registerStepGroups(StepTable& table) {
    registerSettingSteps(table);
    registerPictureSteps(table);
    registerShapeSteps(table);
    registerFileSteps(table);
    registerPngSteps(table);
    registerClipboardSteps(table);
    registerFilterSteps(table);
    registerSeamlessSteps(table);
    registerConfigSteps(table);
    registerCompositingSteps(table);
    registerPreviewSteps(table);
}
