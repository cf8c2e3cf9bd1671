// kavro.h - every public header of the control library at once.
#pragma once

#include <kavro/3DTextCtrl.h>
#include <kavro/BackgroundStatic.h>
#include <kavro/ClipboardViewer.h>
#include <kavro/ColorPicker.h>
#include <kavro/ControlMgr.h>
#include <kavro/ControlMgrEdit.h>
#include <kavro/ControlMgrPhoto.h>
#include <kavro/DirTreeCtrl.h>
#include <kavro/GradientProgressCtrl.h>
#include <kavro/HighlightCheckListbox.h>
#include <kavro/IconComboBox.h>
#include <kavro/ImageMenuEdit.h>
#include <kavro/ImageMenuRichEdit.h>
#include <kavro/MenuListbox.h>
#include <kavro/QTXButton.h>
#include <kavro/TaskBarProgressCtrl.h>
#include <kavro/TransparentCheckbox.h>
#include <kavro/TransparentIcon.h>
#include <kavro/TransparentStatic.h>
#include <kavro/WndUtils.h>
