#pragma once
// Dialogs that ask for texts, flags and a choice on a dialog template of the resources: edits
// 211 to 217, prompts 231 to 233, check boxes 271 and 272, radio buttons 251 and up. Each shows
// the caller's texts and, on OK, writes the user's input back into them; Cancel leaves them alone.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/dlg.h"
#include "platform/drawing_types.h"

namespace shell {

inline constexpr int kFirstEdit = 211;
inline constexpr int kFirstPrompt = 231;
inline constexpr int kFirstRadio = 251;
inline constexpr int kFirstCheck = 271;

// Up to seven texts in edits 211 to 217, one per given buffer, each at most textLength characters.
class TGenDlg : public TDlg {
 public:
  TGenDlg(platform::FrameWindow* parent, std::string_view resource, int textLength, std::string* text1,
          std::string* text2 = nullptr, std::string* text3 = nullptr, std::string* text4 = nullptr,
          std::string* text5 = nullptr, std::string* text6 = nullptr, std::string* text7 = nullptr);

 protected:
  void SetupWindow() override;
  void OnOk() override;
  // Copies the edits into their buffers.
  void StoreTexts();

  int textLength_;
  std::array<std::string*, 7> texts_;
};

// As TGenDlg, plus check box 271 for flag1 and, when flag2 is given, 272 for it.
class TGenBoolDlg : public TGenDlg {
 public:
  TGenBoolDlg(platform::FrameWindow* parent, std::string_view resource, std::uint8_t* flag1, std::uint8_t* flag2,
              int textLength, std::string* text1 = nullptr, std::string* text2 = nullptr,
              std::string* text3 = nullptr, std::string* text4 = nullptr, std::string* text5 = nullptr,
              std::string* text6 = nullptr, std::string* text7 = nullptr);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  std::uint8_t* flag1_;
  std::uint8_t* flag2_;
};

// Radio buttons 251 to 250 + n (n = *choice on entry), the first checked; on OK *choice becomes the
// 1-based number of the checked one. Up to five texts in edits 211 to 215.
class TRadBtDlg : public TGenDlg {
 public:
  TRadBtDlg(platform::FrameWindow* parent, std::string_view resource, int* choice, int textLength,
            std::string* text1 = nullptr, std::string* text2 = nullptr, std::string* text3 = nullptr,
            std::string* text4 = nullptr, std::string* text5 = nullptr);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  int* choice_;
  int buttons_;
};

// One prompt and one line of input on ONEINPUT; the input is cut to fit bufferSize (which counts
// the terminating NUL of the stored text).
class TInpDlg : public TDlg {
 public:
  // With a font, the prompt and the edit show their texts in it.
  TInpDlg(platform::FrameWindow* parent, std::string_view caption, std::string_view prompt, std::string* buffer,
          int bufferSize, const platform::FontSpec* font = nullptr);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  std::string caption_;
  std::string prompt_;
  std::string* buffer_;
  int bufferSize_;
  std::optional<platform::FontSpec> font_;
};

// Two (or three) prompts with their inputs, each cut to fit bufferSize.
class TInp2Dlg : public TDlg {
 public:
  TInp2Dlg(platform::FrameWindow* parent, std::string_view caption, std::string_view resource,
           std::string_view prompt1, std::string_view prompt2, std::string* buffer1, std::string* buffer2,
           int bufferSize, std::string_view prompt3 = {}, std::string* buffer3 = nullptr);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  std::string caption_;
  std::array<std::string, 3> prompts_;
  std::array<std::string*, 3> buffers_;
  int bufferSize_;
};

}  // namespace shell
