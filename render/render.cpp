// Placeholder translation unit; the code of this folder comes with its issue.
