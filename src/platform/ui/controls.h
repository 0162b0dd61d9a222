#pragma once
// Every control of the forms: each is a ui::Control over one Qt widget, created as a child of the
// widget given to its constructor (the form's client widget or a container's widget). One header a
// control; this one brings them all.
#include "platform/ui/accesskey.h"
#include "platform/ui/alignment.h"
#include "platform/ui/checkbox.h"
#include "platform/ui/combobox.h"
#include "platform/ui/commandbutton.h"
#include "platform/ui/control.h"
#include "platform/ui/frame.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/listbox.h"
#include "platform/ui/loadpicture.h"
#include "platform/ui/optionbutton.h"
#include "platform/ui/picturebox.h"
#include "platform/ui/shape.h"
#include "platform/ui/textbox.h"
