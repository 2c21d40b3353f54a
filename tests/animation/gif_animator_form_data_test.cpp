// A window whose animator comes from form data, as the wizard's do: properties by name, events by
// the window's handler names, and the picture from "Image.Data" read through the GIF picture.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "animated_gif.h"
#include "animation/gif_animator.h"
#include "animation/register_animation.h"
#include "animation/threaded_timer.h"
#include "framework/controls/headless_fixture.h"
#include "framework/core/form_compiler.h"
#include "framework/core/form_reader.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"
#include "gif/picture/gif_image.h"
#include "support/test_data.h"

namespace {

// A window that answers its handler names and logs what they are called for.
class TAnimatedForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TAnimatedForm"; }
  TNotifyEvent MethodAddress(std::string_view name) override {
    return [this, name = std::string(name)](TObject*) { log.push_back(name); };
  }
  std::vector<std::string> log;
};

// Named for the ThreadSanitizer run: the stored Animate starts the timer's worker.
class ThreadedAnimatorFormData : public HeadlessTest {
 protected:
  ThreadedAnimatorFormData() { RegisterAnimationClasses(); }

  // Reads the form source (with anim.gif beside it) into a new window.
  TAnimatedForm* Read(const std::string& source, const std::vector<std::uint8_t>& gif) {
    std::ofstream(dir_.Path() / "anim.gif", std::ios::binary)
        .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
    std::ofstream(dir_.Path() / "form.qform") << source;
    TMemoryStream data(CompileFormFile((dir_.Path() / "form.qform").string()).data);
    auto* form = NewForm<TAnimatedForm>();
    ReadRootComponent(*form, data);
    return form;
  }

  qi_test::TempDir dir_;
};

TEST_F(ThreadedAnimatorFormData, StoredPropertiesEventsAndPictureAreRead) {
  std::vector<TestFrame> frames = {SolidFrame(0, 0, 6, 5, 1), SolidFrame(0, 0, 6, 5, 2)};
  frames[0].delay = 30;
  TAnimatedForm* form = Read(R"(TAnimatedForm Window {
    TGIFAnimator Anim {
      Left = 3
      Top = 4
      Width = 50
      Height = 40
      Animate = true
      AutoSize = true
      Center = true
      FrameIndex = 1
      Loop = false
      Stretch = true
      Transparent = false
      Visible = false
      Cursor = crHandPoint
      Enabled = false
      Image.Data = { length32(file "anim.gif") }
      OnChange = AnimChange
      OnFrameChanged = AnimFrameChanged
      OnStart = AnimStart
      OnStop = AnimStop
      OnClick = AnimClick
    }
  })",
                             AnimatedGif(6, 5, frames));
  auto* anim = dynamic_cast<TGIFAnimator*>(form->FindComponent("Anim"));
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(anim->BoundsRect(), Rect(3, 4, 53, 44));  // the stored size stands
  EXPECT_TRUE(anim->Animate());
  EXPECT_TRUE(anim->Center());
  EXPECT_FALSE(anim->Loop());
  EXPECT_TRUE(anim->Stretch());
  EXPECT_FALSE(anim->Transparent());
  EXPECT_FALSE(anim->Visible());
  EXPECT_EQ(anim->Cursor(), crHandPoint);
  EXPECT_FALSE(anim->Enabled());
  ASSERT_EQ(anim->Image()->FrameCount(), 2);
  // FrameIndex came before the picture, when no frame 1 existed; the picture's index stands.
  EXPECT_EQ(anim->FrameIndex(), 0);
  EXPECT_EQ(anim->FrameTimer().Interval(), 300u);
  EXPECT_TRUE(form->log.empty());  // handlers are bound after the properties that fire events

  anim->Click();
  anim->SetFrameIndex(1);
  anim->SetAnimate(false);
  EXPECT_EQ(form->log, (std::vector<std::string>{"AnimClick", "AnimFrameChanged", "AnimStop"}));

  // Outside form data, a new picture sizes the control.
  const std::unique_ptr<TGIFImage> image = LoadGif(AnimatedGif(7, 3, {SolidFrame(0, 0, 7, 3, 1)}));
  anim->SetImage(image.get());
  EXPECT_EQ(anim->BoundsRect(), Rect(3, 4, 10, 7));
  EXPECT_EQ(form->log.back(), "AnimChange");
}

TEST_F(ThreadedAnimatorFormData, DefaultsAreNotWritten) {
  const TPropertyTable& properties = TGIFAnimator::StaticProperties();
  TGIFAnimator anim(nullptr);
  for (const char* name :
       {"Animate", "AutoSize", "Center", "FrameIndex", "Loop", "Stretch", "Transparent"}) {
    const TPropertyInfo* info = properties.Find(name);
    ASSERT_NE(info, nullptr) << name;
    ASSERT_TRUE(info->defaultValue.has_value()) << name;
    EXPECT_EQ(info->read(anim), *info->defaultValue) << name;
  }
  ASSERT_NE(properties.Find("Image"), nullptr);
  EXPECT_EQ(properties.Find("Image")->kind, TPropertyKind::kObject);
}

}  // namespace
