#include "media/fluidsynth_library.h"

#include <QLibrary>
#include <QtDebug>

namespace zx::media {

namespace {

const FluidSynthLibrary* load() {
    // The library the build found, by its run-time name; then any version.
    static QLibrary library;
    library.setFileName(QStringLiteral(ZENTRIX_FLUIDSYNTH_LIBRARY));
    if (!library.load()) {
        library.setFileName(QStringLiteral("fluidsynth"));
        if (!library.load()) {
            qWarning("No FluidSynth library (%s): the music stays silent", qPrintable(library.errorString()));
            return nullptr;
        }
    }
    static FluidSynthLibrary api;
    bool complete = true;
#define ZX_FLUIDSYNTH_RESOLVE(name)                                                          \
    api.name = reinterpret_cast<decltype(api.name)>(library.resolve(#name));                 \
    if (!api.name) {                                                                         \
        qWarning("FluidSynth lacks %s: the music stays silent", #name);                      \
        complete = false;                                                                    \
    }
    ZX_FLUIDSYNTH_FUNCTIONS(ZX_FLUIDSYNTH_RESOLVE)
#undef ZX_FLUIDSYNTH_RESOLVE
    return complete ? &api : nullptr;
}

}  // namespace

const FluidSynthLibrary* FluidSynth() {
    static const FluidSynthLibrary* const api = load();
    return api;
}

}  // namespace zx::media
