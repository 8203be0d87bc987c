' Деление на нула при избор на етаж 1: грешка 11.
Dim TargetFloor As Integer

Private Sub Option1_Click(Index As Integer)
    TargetFloor = 10 \ Index
End Sub
