// The day and night looks of the sky: clear colour and fog.
#pragma once

// Sets the clear colour and the fog from sceneState.daylight; needs a current context.
void ApplySkyAndFog();
// The Enter key: switches between the day and night looks.
void ToggleDaylight();
