// kavro.h - every public header of the control library at once.
#pragma once

#include <kavro/ClipboardViewer.h>
#include <kavro/DirTreeCtrl.h>
#include <kavro/ImageMenuEdit.h>
#include <kavro/ImageMenuRichEdit.h>
#include <kavro/TransparentStatic.h>
#include <kavro/WndUtils.h>
