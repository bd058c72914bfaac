#include "cli/step_table.h"

// Every group of steps, one line each; --help lists them in this order.
void registerStepGroups(StepTable& table) {
    registerSettingSteps(table);
    registerPictureSteps(table);
    registerShapeSteps(table);
    registerFileSteps(table);
    registerClipboardSteps(table);
    registerFilterSteps(table);
    registerSeamlessSteps(table);
    registerConfigSteps(table);
    registerCompositingSteps(table);
    registerPreviewSteps(table);
}
