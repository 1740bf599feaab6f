// A whole menu file (version 6, 7 or 8 layout) on arbitrary bytes. The first
// input byte holds the read options (bit 0 reload, bit 1 the editor's placed
// image handling, bit 2 the player's deferred decoding of all but the Up
// frames 0); the rest is the file. A menu that reads without error is
// written again and must read back without error. The round trip deflates
// its pictures at the fastest level: the level changes only the size of the
// compressed bytes, and level 9 would spend most of each run compressing.
#include "FuzzStream.h"
#include "shared/MenuBody.h"

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    MenuReadOptions options;
    options.Reload = data[0] & 1;
    options.PlcImageAlsoAtFrame0 = (data[0] & 2) != 0;
    std::vector<DeferredPicture> later;
    if (data[0] & 4) {
        options.Deferred = &later;
        options.DecodeNow = [](const TAQMenu&, int, int state, int frame) { return state == Up && frame == 0; };
    }
    auto file = fuzzing::MenuFileOn(data + 1, size - 1);
    TMenuFile& mnu = *file;

    if (!mnu.ReadMnuHeader()) return 0;
    TAQMenu* menu = &fuzzing::FreshMenu(0);
    MenuReadReport report;
    bool ok = ReadMenuBody(mnu, *menu, options, &report);
    Check(ok == (report.BodyOk && report.PicturesOk && report.BlocksDamaged == 0));
    Check(ok == (mnu.MnuError() == 0));
    ok = DecodeDeferredPictures(*menu, later, *mnu.MnuStream()) && ok;
    Check(menu->BtnCount >= 0 && menu->BtnCount <= kMaxObjects);
    Check(report.BlocksSkipped <= report.BlocksRead);
    if (!ok) return 0;

    MenuWriteOptions write;
    write.Quiet = options.Reload;
    write.ZipLevel = 1;
    mnu.SetMnuStream(std::make_unique<forms::MemoryStream>());
    mnu.ClearMnuError();
    if (!WriteMenuFile(mnu, *menu, write)) return 0;  // e.g. more blocks than the count holds
    auto* written = dynamic_cast<forms::MemoryStream*>(mnu.MnuStream());
    std::vector<uint8_t> bytes = written->Bytes();
    auto rereadFile = fuzzing::MenuFileOn(bytes.data(), bytes.size());
    TMenuFile& reread = *rereadFile;
    TAQMenu* again = &fuzzing::FreshMenu(1);
    Check(reread.ReadMnuHeader());
    Check(ReadMenuBody(reread, *again, options) && DecodeDeferredPictures(*again, later, *reread.MnuStream()));
    Check(again->BtnCount == menu->BtnCount);
    return 0;
}
