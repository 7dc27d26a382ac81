// Compiled with the include folders of tavrel_scene alone: the headers of
// scene/ and of the libraries it links are found, the main window's are not.
#include "scene/sceneview.h"
#include "app/feuillep.h"
