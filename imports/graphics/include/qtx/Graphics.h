// Graphics.h - drawing helpers, a double-buffered DC, shaded faces, button icons and images.
//
// Classes in this file:
//   GraphicsUtils, CMemDC, ShadeProps, Shade, QTXIcon, ImageWrapper
#pragma once

#include <afxwin.h>

// GDI+ headers of some SDKs use min and max unqualified; with NOMINMAX they
// must come from the standard library.
#include <algorithm>
namespace Gdiplus
{
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#ifdef QTXGRAPHICS_BUILD
#define QTXGRAPHICS_API __declspec(dllexport)
#else
#define QTXGRAPHICS_API __declspec(dllimport)
#endif

/////////////////////////////////////////////////////////////////////////////
// GraphicsUtils: static helpers for fonts, colours, sizes and the clipboard.

class QTXGRAPHICS_API GraphicsUtils
{
// Operations
public:
	// Fills lf from the system's message font (the font dialogs and message
	// boxes use), then applies what is asked:
	//   face:   face name; empty keeps the system face, so lf.lfFaceName is
	//           never empty.
	//   size:   character height in pixels; -1 (or any value below 1) keeps
	//           the system height.
	//   weight: FW_* weight (700 bold); -1 (or a value outside 1..1000)
	//           gives FW_NORMAL.
	//   italic, underline, strikeOut: the three style flags.
	static void SetDefaultFont(LOGFONTA& lf, const CString& face, int size, int weight, bool italic,
		bool underline, bool strikeOut);

	// Height in pixels of one line of text (tmHeight) in the font on the
	// window's DC; 0 when the window does not exist or the font cannot be made.
	static int GetTextHeight(CWnd& wnd, const LOGFONTA& lf);

	// Moves each channel towards black (factor < 0) or white (factor > 0) by
	// the fraction |factor|; -1 gives black, 1 white, 0 the colour itself.
	// Factors beyond -1..1 are clamped.
	static COLORREF AdjustColor(COLORREF color, double factor);

	// Fits width x height into maxWidth x maxHeight keeping the aspect ratio.
	// A size that already fits is returned unchanged unless allowEnlarge is
	// true, in which case it is scaled up to touch the limits. Returns false
	// (and 0 x 0) when any input is not positive.
	static bool CalculateScaledDims(int width, int height, int maxWidth, int maxHeight, int& newWidth,
		int& newHeight, bool allowEnlarge);

	// The class id of GDI+'s encoder for a MIME type such as L"image/png"
	// (compared without regard to case), for Gdiplus::Image::Save, once the
	// process has started GDI+. False when GDI+ has no such encoder.
	static bool GetEncoderClsid(const wchar_t* mimeType, CLSID& clsid);

	// Writes the clipboard's bitmap (CF_DIB, or CF_BITMAP as the system
	// converts it) to path through GDI+; the format follows the extension:
	// .png, .bmp, .jpg or .jpeg.
	// Returns an empty string on success, otherwise the reason in words.
	static CString SaveClipboardImageAs(const CString& path);
};

/////////////////////////////////////////////////////////////////////////////
// CMemDC: a double buffer over a CDC.
//
// The buffer covers the target's clip box (or the given rectangle) in the
// target's own logical coordinates and starts as a copy of what the target
// shows there. Draw on the CMemDC; its destructor copies the buffer onto the
// target. When IsValid() is false nothing may be drawn and the target is left
// alone.
//
// MFC's feature pack declares a CMemDC of its own in afxcontrolbars.h; do not
// include that header in a translation unit that uses this class.

class QTXGRAPHICS_API CMemDC : public CDC
{
// Construction
public:
	explicit CMemDC(CDC* pDC);
	CMemDC(CDC* pDC, const CRect& rect);
	virtual ~CMemDC();

// Attributes
public:
	bool IsValid() const { return m_bValid; }
	// The area buffered, in the target's logical coordinates.
	const CRect& GetBufferRect() const { return m_rect; }

// Implementation
private:
	CMemDC(const CMemDC&) = delete;
	CMemDC& operator=(const CMemDC&) = delete;
	void Init(CDC* pDC, const CRect& rect);

	CDC* m_pTarget;
	CBitmap m_bitmap;
	HGDIOBJ m_hOldBitmap;
	CRect m_rect;
	bool m_bValid;
};

/////////////////////////////////////////////////////////////////////////////
// ShadeProps: what a shaded face looks like.

struct QTXGRAPHICS_API ShadeProps
{
	// Shading kinds; the face is always lightest at the light source.
	enum Kind
	{
		ShadeNone = 0,       // no shading
		ShadeVertical = 1,   // light at the top, dark at the bottom
		ShadeHorizontal = 2, // light at the left, dark at the right
		ShadeDiagonal = 3,   // light at the top-left corner, dark at the bottom-right
		ShadeMetal = 4,      // soft brushed metal: a bright band above the middle, fine grain
		ShadePillow = 5,     // raised cushion: light rim top and left, dark rim bottom and right
		ShadeNoise = 6,      // flat colour with a random grain
		ShadeKindCount
	};

	ShadeProps();
	ShadeProps(unsigned int shading, COLORREF color, unsigned char blend = 30, unsigned char contrast = 60);

	// Percentage (0..100) by which the hot face is blended towards a darker
	// copy of m_crColor.
	unsigned char m_nBlend;
	// Strength of the light and dark parts, in percent (0 flat, 100 from
	// black to white).
	unsigned char m_nContrast;
	// The face's middle colour.
	COLORREF m_crColor;
	// One of Kind.
	unsigned int m_nShading;
};

/////////////////////////////////////////////////////////////////////////////
// Shade: a shaded face, computed once per size and drawn with one BitBlt.
//
// The face is kept as a map of light levels (0 dark .. 255 light) and a
// palette of 256 colours; the picture itself is a 32-bit DIB section.

class QTXGRAPHICS_API Shade
{
// Construction
public:
	Shade();
	virtual ~Shade();

// Attributes
public:
	int GetWidth() const { return m_nWidth; }
	int GetHeight() const { return m_nHeight; }
	// The picture, or null when there is nothing to draw.
	HBITMAP GetBitmap() const { return m_hBitmap; }
	const ShadeProps& GetShadeProps() const { return m_props; }

// Operations
public:
	// Sets the look and builds the palette from props' colour and contrast.
	// Returns false, and draws nothing from then on, when the kind is
	// ShadeNone or unknown.
	bool SetShadeProps(const ShadeProps& props);
	// Sets the face size; the picture is recomputed only when the size
	// changes. Sizes beyond 4096 pixels or below 1 drop the picture and
	// return false.
	bool SetSize(int width, int height);
	// Blends every palette entry towards color by amount percent (0..100).
	void BlendPalette(COLORREF color, int amount);
	// Paints the whole face with its top-left corner at x, y. False when
	// there is no picture.
	bool Draw(HDC hdc, int x, int y) const;

// Implementation
private:
	Shade(const Shade&) = delete;
	Shade& operator=(const Shade&) = delete;
	void BuildLevels();
	void BuildPicture();
	void FreePicture();

	ShadeProps m_props;
	bool m_bActive;
	int m_nWidth;
	int m_nHeight;
	unsigned char* m_pLevels; // m_nWidth * m_nHeight light levels
	COLORREF m_palette[256];
	HBITMAP m_hBitmap;
	DWORD* m_pBits; // pixels of m_hBitmap, top-down
};

/////////////////////////////////////////////////////////////////////////////
// QTXIcon: the library's button pictures, as icon resources of this module.
//
// Every icon is 16 x 16 with 32 bits per pixel and alpha.

class QTXGRAPHICS_API QTXIcon
{
public:
	enum ButtonIcon
	{
		IconNone = 0,
		IconOK,     // green tick
		IconCancel, // red cross
		IconApply,  // tick on a sheet
		IconAdd,    // green plus
		IconRemove, // red minus
		IconDelete, // waste bin
		IconOpen,   // open folder
		IconSave,   // floppy disk
		IconPrint,  // printer
		IconHelp,   // blue round question mark
		IconUp,     // blue arrow up
		IconDown,   // blue arrow down
		IconLeft,   // blue arrow left
		IconRight,  // blue arrow right
		IconCount
	};

// Operations
public:
	// Fills the normal, hot and disabled icon ids of a picture and the module
	// that holds them. With hotTrack false the hot id is the normal id, so the
	// picture does not change under the mouse. False (nothing changed) for
	// IconNone and unknown values.
	static bool GetIconInfo(ButtonIcon icon, unsigned int& normalId, unsigned int& hotId,
		unsigned int& disabledId, HINSTANCE& module, bool hotTrack);
	// Ticked and clear check-box pictures.
	static bool GetCheckOnID(unsigned int& id, HINSTANCE& module);
	static bool GetCheckOffID(unsigned int& id, HINSTANCE& module);
	// Radio-button picture for the selected (on) or clear state.
	static bool GetRadioButton(unsigned int& id, HINSTANCE& module, bool on);
};

/////////////////////////////////////////////////////////////////////////////
// ImageWrapper: one image file, decoded by GDI+ and drawn fitted into a
// rectangle. Formats: BMP, PNG, JPEG, GIF and TIFF. The application starts
// GDI+ before using it.
//
// The file is never held open: it is read into memory, or, when a temporary
// folder is set, copied there and decoded from the copy, which is deleted
// when the image goes. Either way the original may be replaced while shown.

class QTXGRAPHICS_API ImageWrapper
{
// Construction
public:
	ImageWrapper();
	virtual ~ImageWrapper();

// Attributes
public:
	// Layout flags for DrawImage; the default 0 puts the image at the
	// rectangle's top-left corner and only ever shrinks it.
	enum Layout
	{
		LayoutHCenter = 0x1, // centre horizontally in the rectangle
		LayoutVCenter = 0x2, // centre vertically in the rectangle
		LayoutEnlarge = 0x4  // scale small images up to fill the rectangle
	};
	// How DrawImage places the image: Layout flags. Set directly; 3
	// (LayoutHCenter | LayoutVCenter) centres the image in its rectangle
	// without enlarging it, as a photo field shows pictures.
	unsigned int m_nLayout;

	CString GetImageFile() const { return m_strFile; }
	CString GetTempDir() const { return m_strTempDir; }
	// Pixel size of the image; 0 when there is none.
	int GetWidth() const;
	int GetHeight() const;

// Operations
public:
	// The folder for private copies of image files; empty stops using one.
	void SetTempDir(const CString& dir);
	// Loads the image of path. Loading the file already shown does nothing
	// unless reload is true (the file changed on disk). An empty path clears
	// the image. False when the file cannot be read or decoded; the image is
	// then cleared.
	bool SetImageFile(const CString& path, bool reload);
	// Draws the image fitted into rect, aspect ratio kept, placed by
	// m_nLayout. False when there is nothing to draw.
	bool DrawImage(Gdiplus::Graphics& graphics, const Gdiplus::RectF& rect);

	// True for the extensions of the supported formats, with or without the
	// leading dot, in any case.
	static bool IsSupportedExt(const CString& ext);

// Implementation
private:
	ImageWrapper(const ImageWrapper&) = delete;
	ImageWrapper& operator=(const ImageWrapper&) = delete;
	void Clear();

	CString m_strFile;
	CString m_strTempDir;
	CString m_strTempCopy; // private copy decoded from, deleted in Clear
	Gdiplus::Bitmap* m_pBitmap;
	IStream* m_pStream; // the in-memory file behind m_pBitmap, if any
};
