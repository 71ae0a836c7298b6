// The snapshot's off-screen targets through EGL with no display server: a
// framebuffer object, where a platform offers no pbuffers, draws the frame a
// pbuffer draws.
#include "shell/egl/offscreen_target.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

#include "scene/frame.h"
#include "tests/gl/gl_scene.h"

namespace {
std::vector<unsigned char> FramePixels(EglContext& context, OffscreenKind kind) {
  std::string error;
  auto target = OffscreenTarget::Create(context, kind, kSurfaceWidth, kSurfaceHeight, error);
  if (!target) {
    ADD_FAILURE() << error;
    return {};
  }
  FakePlatform platform;
  platform.milliseconds = 7854;
  StartScene(platform, 1, 2);
  DrawFrame();
  std::vector<unsigned char> pixels(kSurfaceWidth * kSurfaceHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kSurfaceWidth, kSurfaceHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  return pixels;
}

TEST(OffscreenTarget, AFramebufferObjectDrawsTheFrameOfAPbuffer) {
  // On a thread of its own: this one has the other tests' GLX context current.
  std::thread([] {
    std::string error;
    auto context = EglContext::Create(EGL_PLATFORM_SURFACELESS_MESA, nullptr, error);
    ASSERT_TRUE(context) << error;
    ASSERT_TRUE(context->OffersPbuffers());
    const auto fromPbuffer = FramePixels(*context, OffscreenKind::kPbuffer);
    const auto fromFramebuffer = FramePixels(*context, OffscreenKind::kFramebufferObject);
    // Sky, floor, sculpture and shadows: far more than a cleared surface.
    std::set<std::vector<unsigned char>> colours;
    for (size_t i = 0; i + 2 < fromPbuffer.size(); i += 3 * 97) {
      colours.insert({fromPbuffer[i], fromPbuffer[i + 1], fromPbuffer[i + 2]});
    }
    EXPECT_GT(colours.size(), 20u);
    EXPECT_TRUE(fromPbuffer == fromFramebuffer);
  }).join();
}
}  // namespace
