// The application's variables: they live for the whole run; texts and byte sets start empty.
#pragma once

#include <cstdint>

namespace app {

constexpr uint32_t kMainWindowId = 0x52010001;

struct Variables {
    char* pictureFolder = nullptr;
    char* previewState = nullptr;
    char* outputFolder = nullptr;
    void* pictureBytes = nullptr;
    int32_t currentPicture = 0;
    char* previewSource = nullptr;
    float previewScale = 0;
};

Variables& Vars();

// The exit routine: frees the text and byte-set variables.
void ReleaseTexts();

}  // namespace app
