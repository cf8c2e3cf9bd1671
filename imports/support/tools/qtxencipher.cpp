// qtxencipher.cpp - prints the enciphered form of fixed texts.
//
// usage: qtxencipher "text" ["text" ...]
// Each text is printed as a braced list of integers for a static
// std::vector<int>, which StringUtils::DecryptText turns back into the text.
#include <qtx/Support.h>

#include <stdio.h>

int main(int argc, char* argv[])
{
	if (argc < 2)
	{
		fprintf(stderr, "usage: qtxencipher \"text\" [\"text\" ...]\n");
		return 2;
	}
	int status = 0;
	for (int i = 1; i < argc; ++i)
	{
		std::vector<int> cipher = StringUtils::EncryptText(argv[i]);
		if (cipher.empty() || StringUtils::DecryptText(cipher) != argv[i])
		{
			fprintf(stderr, "qtxencipher: cannot encipher \"%s\"\n", argv[i]);
			status = 1;
			continue;
		}
		printf("// \"%s\"\n{", argv[i]);
		for (size_t n = 0; n < cipher.size(); ++n)
			printf("%s%d", n == 0 ? " " : ", ", cipher[n]);
		printf(" }\n");
	}
	return status;
}
