// The App record (start-up and the event loop join it as they land).
#include "app/app.h"
