// The application's variables: they live for the whole run; texts and byte sets start empty,
// numbers at 0. Every text and byte set held here is the application's own copy, released by
// ReleaseTexts at exit.
#pragma once

#include <atomic>
#include <cstdint>

namespace app {

struct Variables {
    char* pictureFolder = nullptr;  // folder of the opened picture, ending in a backslash
    char* previewState = nullptr;   // "已开启" while the preview window exists
    char* outputFolder = nullptr;   // folder of the last split's output name, ending in a backslash
    void* pictureBytes = nullptr;   // the bytes of the picture being split
    int32_t currentPicture = 0;     // the picture that is measured and split
    char* previewSource = nullptr;  // the file whose picture the preview board shows
    float previewScale = 0;         // 画板3's width divided by 1024
    char* noticeHost = nullptr;     // the notice server, NAME[:PORT]; empty: no notice is read
    std::atomic<bool> splitRunning{false};
};

Variables& Vars();

// The exit routine: frees the text and byte-set variables.
void ReleaseTexts();

}  // namespace app
