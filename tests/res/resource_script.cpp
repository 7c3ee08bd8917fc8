#include "tests/res/resource_script.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kMaxNames = 128;

struct Named {
    char name[64];
    int id;
    char file[64];
};

Named Defines[kMaxNames];
int DefineCount = -1;
Named Bitmaps[kMaxNames];
int BitmapCount = 0;

void ReadScript() {
    if (DefineCount >= 0)
        return;
    DefineCount = 0;
    char path[512], line[256];
    if (FILE* f = std::fopen(ResPath("resource.h", path, sizeof path), "r")) {
        while (std::fgets(line, sizeof line, f) && DefineCount < kMaxNames) {
            Named& d = Defines[DefineCount];
            if (std::sscanf(line, "#define %63s %d", d.name, &d.id) == 2)
                ++DefineCount;
        }
        std::fclose(f);
    }
    if (FILE* f = std::fopen(ResPath("pictures.rc", path, sizeof path), "r")) {
        while (std::fgets(line, sizeof line, f) && BitmapCount < kMaxNames) {
            Named& b = Bitmaps[BitmapCount];
            if (std::sscanf(line, "%63s BITMAP \"%63[^\"]\"", b.name, b.file) != 2)
                continue;
            b.id = -1;
            for (int i = 0; i < DefineCount; ++i)
                if (std::strcmp(Defines[i].name, b.name) == 0 &&
                    std::strncmp(b.name, "IDB_", 4) == 0)
                    b.id = Defines[i].id;
            ++BitmapCount;
        }
        std::fclose(f);
    }
}

} // namespace

int ScriptBitmapCount() {
    ReadScript();
    return BitmapCount;
}

const char* ScriptBitmapFile(int id) {
    ReadScript();
    for (int i = 0; i < BitmapCount; ++i)
        if (Bitmaps[i].id == id)
            return Bitmaps[i].file;
    return nullptr;
}

bool LoadScriptBitmap(int id, Image* out) {
    const char* file = ScriptBitmapFile(id);
    char path[512];
    return file && ReadBmpFile(ResPath(file, path, sizeof path), out);
}
