// Arbitrary item list files: the items read are non-empty single lines within the length
// limit, and saving them and reading the file again gives back the same list.

#include "fuzz/FuzzCheck.h"
#include "storage/ItemListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ItemListRead read = parseItemList(fuzzBytes(data, size));
    for (const QString& item : read.items) {
        check(!item.isEmpty() && item.size() <= ItemNumberLimit);
        check(!item.contains(u'\r') && !item.contains(u'\n'));
    }
    const ItemListRead again = parseItemList(textFileBytes(read.items));
    check(!again.error);
    check(again.items == read.items);
    return 0;
}
