// kavro-encipher: prints the integer sequence that StringUtils::DecryptText
// turns back into each text given on the command line, one C++ initialiser
// list per line. tools/make-fixed-texts.sh uses it to write the library's
// enciphered fixed texts.
#include <afxwin.h>
#include <qtx/Support.h>

#include <cstdio>

int main(int argc, char** argv)
{
	for (int i = 1; i < argc; ++i) {
		const std::vector<int> cipher = StringUtils::EncryptText(CString(argv[i]));
		if (cipher.empty() || StringUtils::DecryptText(cipher) != CString(argv[i])) {
			std::fprintf(stderr, "cannot encipher \"%s\"\n", argv[i]);
			return 1;
		}
		std::printf("{ ");
		for (size_t n = 0; n < cipher.size(); ++n)
			std::printf(n ? ", %d" : "%d", cipher[n]);
		std::printf(" }\n");
	}
	return 0;
}
