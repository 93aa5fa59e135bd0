#include "editor/EditorFrameListener.h"

#include "sound/AudioStart.h"

void EditorFrameListener::startSound() {
    const SoundSources sources = startEditorSound();
    clickSource = sources.click;
    musicSource = sources.music;
}
