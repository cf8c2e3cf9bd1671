// QTXIcon.cpp - the library's button pictures and where their icons are.

#include "GraphicsInternal.h"
#include "resource.h"

// The linker's symbol for the start of this module's image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE qtxgraphics::GetModule()
{
	return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

namespace
{

bool ModuleIcon(unsigned int resourceId, unsigned int& id, HINSTANCE& module)
{
	id = resourceId;
	module = qtxgraphics::GetModule();
	return true;
}

} // namespace

bool QTXIcon::GetIconInfo(ButtonIcon icon, unsigned int& normalId, unsigned int& hotId,
	unsigned int& disabledId, HINSTANCE& module, bool hotTrack)
{
	if (icon <= IconNone || icon >= IconCount)
		return false;
	const unsigned int first = IDI_BUTTON_FIRST + 10 * static_cast<unsigned int>(icon);
	normalId = first + IDI_VARIANT_NORMAL;
	hotId = hotTrack ? first + IDI_VARIANT_HOT : normalId;
	disabledId = first + IDI_VARIANT_DISABLED;
	module = qtxgraphics::GetModule();
	return true;
}

bool QTXIcon::GetCheckOnID(unsigned int& id, HINSTANCE& module)
{
	return ModuleIcon(IDI_CHECK_ON, id, module);
}

bool QTXIcon::GetCheckOffID(unsigned int& id, HINSTANCE& module)
{
	return ModuleIcon(IDI_CHECK_OFF, id, module);
}

bool QTXIcon::GetRadioButton(unsigned int& id, HINSTANCE& module, bool on)
{
	return ModuleIcon(on ? IDI_RADIO_ON : IDI_RADIO_OFF, id, module);
}
