' Цветът на бутона не се чете: грешка 438 при избор на етаж.
Dim Color As Long

Private Sub Option1_Click(Index As Integer)
    Color = Option1(Index).BackColor
End Sub
