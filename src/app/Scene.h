#pragma once
// The start-up composition: the window's grey frame panel, the white drawing panel inset in
// it, the control-point manager, and the tab strip with the curve constructions.
class Window;
class Panel;
class SizeController;
class ControlManager;
class Tab;

struct Scene {
    Window* window = nullptr;
    Panel* framePanel = nullptr;
    Panel* drawingPanel = nullptr;
    SizeController* sizeController = nullptr;
    ControlManager* manager = nullptr;
    Tab* tab = nullptr;
};

Scene buildScene(Window& window);
// Deletes the active construction; the window deletes the panels and what they hold.
void tearDownScene(Scene& scene);
