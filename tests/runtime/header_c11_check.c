/* The public header must compile as plain C11; this unit also checks, from C,
 * the table sizes that HH wrote into a root. */
#include "tolvanea/runtime.h"

int runtimeRootSizesFromC(const RuntimeRoot* root);

int runtimeRootSizesFromC(const RuntimeRoot* root) {
    const RtWord w = sizeof(void*);
    return root->size == 18 * w && root->boundedListTable->size == 9 * w && root->digestTable->size == 4 * w &&
           root->commandLineTable->size == 6 * w && root->fileTable->size == 35 * w &&
           root->reservedTable->size == 3 * w && root->settingsTable->size == 16 * w &&
           root->colorTable->size == 5 * w && root->valueListTable->size == 23 * w &&
           root->calendarTable->size == 9 * w && root->bitStreamTable->size == 20 * w &&
           root->randomTable->size == 12 * w && root->jpegTable->size == 7 * w && root->geometryTable->size == 9 * w &&
           root->textTable->size == 7 * w && root->textReaderTable->size == 6 * w;
}
