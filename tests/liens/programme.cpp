// A program that holds one folder's library whole and the libraries below it: it links
// only when nothing in that folder needs a symbol of a folder above.
int main() { return 0; }
