' Бутон с номер 12 няма: грешка 9 при избор на етаж 11.
Dim CurrentFloor As Variant

Private Sub Option1_Click(Index As Integer)
    Option1(Index + 1).BackColor = &HFF8080
End Sub
