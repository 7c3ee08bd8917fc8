// taiju.dat's records as any bytes after two of count and one unused: the
// reader takes the whole records counted, each field as strtol reads it, and
// every record taken is written as 23 bytes that read back the same.
#include <stdint.h>
#include <stdlib.h>

#include <algorithm>
#include <string>

#include "fuzz/require.h"
#include "store/log_text.h"

static WeightEntry Read[kLogCapacity];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const std::string text((const char*)data + 3, std::min(size - 3, (size_t)kLogCapacity * 23));
    int count = (data[0] | data[1] << 8) % 70000 - 1000, whole = (int)text.size() / 23;
    Require(ParseLogRecords(text.data(), (int)text.size(), count, Read) ==
            std::clamp(count, 0, whole));
    auto field = [&](int i, int at, int width) {
        return (int)strtol(text.substr(23 * i + at, width).c_str(), nullptr, 10);
    };
    for (int i = 0; i < std::clamp(count, 0, whole); i++) {
        int date = field(i, 6, 4) * 10000 + field(i, 11, 2) * 100 + field(i, 14, 2);
        Require(Read[i].date == std::max(date, 0) && Read[i].weight == field(i, 17, 4));
        char record[24];
        WeightEntry again;
        Require(FormatLogRecord(record, i, Read[i]) == 23 &&
                ParseLogRecords(record, 23, 1, &again) == 1);
        Require(again.date == Read[i].date && again.weight == Read[i].weight);
    }
    return 0;
}
